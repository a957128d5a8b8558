// A contact, appointment, task or note: every property of its kind by name, Save, Delete,
// and the kind's UserProperties, GetRecurrencePattern and ClearRecurrencePattern. Each
// object has its own copy of the item, so changes not saved are seen through this object
// only. Once the item is deleted through this session, every call through any object of
// it fails as Outlook fails for a moved or deleted item; an item another process deleted
// is found gone at its next Save.
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
    HRESULT Delete(Invocation& call);
    bool IsStale() const;

    std::shared_ptr<ProfileSession> m_session;
    std::shared_ptr<ItemData> m_item;
    bool m_deleted = false;
};

}  // namespace olsim
