// The recurrence pattern of an appointment or a task. Its calls fail while the item has no
// pattern (after ClearRecurrencePattern).
#pragma once

#include "olsim/DispatchObject.h"
#include "olsim/ItemData.h"

#include <memory>

namespace olsim {

class RecurrencePatternObject final : public DispatchObject {
public:
    // The item must have a pattern.
    explicit RecurrencePatternObject(std::shared_ptr<ItemData> item);

protected:
    const MemberTable& Members() const override;
    std::string_view ObjectKind() const override { return "RecurrencePattern"; }
    HRESULT InvokeMember(Invocation& call) override;

private:
    std::shared_ptr<ItemData> m_item;
};

}  // namespace olsim
