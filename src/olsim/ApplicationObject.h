// Outlook's Application: the object that CoCreateInstance hands out.
#pragma once

#include "olsim/DispatchObject.h"
#include "olsim/ProfileSession.h"

#include <memory>

namespace olsim {

class ApplicationObject final : public DispatchObject {
public:
    explicit ApplicationObject(std::shared_ptr<ProfileSession> session);

protected:
    const MemberTable& Members() const override;
    std::string_view ObjectKind() const override { return "Application"; }
    HRESULT InvokeMember(Invocation& call) override;

private:
    std::shared_ptr<ProfileSession> m_session;
};

}  // namespace olsim
