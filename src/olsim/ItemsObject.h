// A folder's Items: its saved items in the order they were first saved, by position or
// walked with GetFirst and GetNext, and Add for a new unsaved item.
#pragma once

#include "olsim/DispatchObject.h"
#include "olsim/ItemKind.h"
#include "olsim/ProfileSession.h"

#include <cstdint>
#include <memory>

namespace olsim {

class ItemsObject final : public DispatchObject {
public:
    ItemsObject(std::shared_ptr<ProfileSession> session, ItemKind kind);

protected:
    const MemberTable& Members() const override;
    std::string_view ObjectKind() const override { return "Items"; }
    HRESULT InvokeMember(Invocation& call) override;

private:
    HRESULT ItemAt(Invocation& call);
    HRESULT Next(Invocation& call, bool fromStart);
    HRESULT Add(Invocation& call);
    // A fresh object on the saved item; every call makes a new one.
    IDispatch* OpenItem(std::int64_t id);

    std::shared_ptr<ProfileSession> m_session;
    ItemKind m_kind;
    std::int64_t m_lastId = 0;  // the item GetFirst or GetNext last handed out
};

}  // namespace olsim
