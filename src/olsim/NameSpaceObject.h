// The "MAPI" NameSpace: the way to the default folders, and to any item by its EntryID.
#pragma once

#include "olsim/DispatchObject.h"
#include "olsim/ProfileSession.h"

#include <memory>

namespace olsim {

class NameSpaceObject final : public DispatchObject {
public:
    explicit NameSpaceObject(std::shared_ptr<ProfileSession> session);

protected:
    const MemberTable& Members() const override;
    std::string_view ObjectKind() const override { return "NameSpace"; }
    HRESULT InvokeMember(Invocation& call) override;

private:
    HRESULT GetItemFromId(Invocation& call);

    std::shared_ptr<ProfileSession> m_session;
};

}  // namespace olsim
