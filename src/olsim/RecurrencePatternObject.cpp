#include "olsim/RecurrencePatternObject.h"

#include "olsim/RecurrenceRules.h"
#include "olsim/VariantConversion.h"

namespace olsim {
namespace {

// Member ids are the rows of the pattern's member table + 1.
MemberTable BuildMembers()
{
    std::vector<MemberDef> members;
    const auto rows = PatternMembers();
    for (std::size_t row = 0; row < rows.size(); ++row)
        members.push_back({std::string(rows[row].name), static_cast<DISPID>(row + 1), MemberType::Property});
    return MemberTable(std::move(members));
}

}  // namespace

RecurrencePatternObject::RecurrencePatternObject(std::shared_ptr<ItemData> item) : m_item(std::move(item)) {}

const MemberTable& RecurrencePatternObject::Members() const
{
    static const MemberTable members = BuildMembers();
    return members;
}

HRESULT RecurrencePatternObject::InvokeMember(Invocation& call)
{
    const PatternMemberDef& def = PatternMembers()[static_cast<std::size_t>(call.Member().id - 1)];
    // A pattern taken before ClearRecurrencePattern must not make the item recurring again.
    // Outlook's reference does not say what such a call does; failing is our choice.
    if (!m_item->recurrence)
        return call.Fail("The item has no recurrence pattern.");
    if (call.Form() == CallForm::Get)
        return call.ReturnValue(GetPatternMember(*m_item->recurrence, def.member));
    PropertyValue value;
    if (const HRESULT hr = ToPropertyValue(call.PutValue(), def.type, value); FAILED(hr))
        return hr;
    if (PutPatternMember(*m_item, def.member, value) != PutOutcome::Done)
        return call.Fail("The value of \"" + std::string(def.name) + "\" is out of range.");
    return S_OK;
}

}  // namespace olsim
