// One of the four default folders.
#pragma once

#include "olsim/DispatchObject.h"
#include "olsim/ItemKind.h"
#include "olsim/ProfileSession.h"

#include <memory>

namespace olsim {

class FolderObject final : public DispatchObject {
public:
    FolderObject(std::shared_ptr<ProfileSession> session, ItemKind kind);

protected:
    const MemberTable& Members() const override;
    std::string_view ObjectKind() const override { return "Folder"; }
    HRESULT InvokeMember(Invocation& call) override;

private:
    std::shared_ptr<ProfileSession> m_session;
    ItemKind m_kind;
};

}  // namespace olsim
