// A contact, appointment, task or note: every property of its kind by name, Save, and
// the kind's UserProperties and GetRecurrencePattern. Each object has its own copy of
// the item, so changes not saved are seen through this object only.
#pragma once

#include "olsim/DispatchObject.h"
#include "olsim/ItemData.h"
#include "olsim/ProfileSession.h"

#include <memory>

namespace olsim {

class ItemObject final : public DispatchObject {
public:
    ItemObject(std::shared_ptr<ProfileSession> session, std::shared_ptr<ItemData> item);

protected:
    const MemberTable& Members() const override;
    std::string_view ObjectKind() const override;
    HRESULT InvokeMember(Invocation& call) override;

private:
    HRESULT Property(Invocation& call, int row);
    HRESULT Save(Invocation& call);

    std::shared_ptr<ProfileSession> m_session;
    std::shared_ptr<ItemData> m_item;
};

}  // namespace olsim
