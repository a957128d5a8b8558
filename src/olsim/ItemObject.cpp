#include "olsim/ItemObject.h"

#include "olsim/ItemRules.h"
#include "olsim/OleDateMath.h"
#include "olsim/RecurrencePatternObject.h"
#include "olsim/RecurrenceRules.h"
#include "olsim/StoreError.h"
#include "olsim/UserPropertiesObject.h"
#include "olsim/VariantConversion.h"

#include <array>

namespace olsim {
namespace {

// Property ids are their table row + 1; the methods come after every table.
enum : DISPID { kSave = 1001, kUserProperties, kGetRecurrencePattern, kDelete, kClearRecurrencePattern };

MemberTable BuildMembers(ItemKind kind)
{
    const KindInfo& info = Info(kind);
    std::vector<MemberDef> members;
    for (std::size_t row = 0; row < info.properties.size(); ++row)
        members.push_back({std::string(info.properties[row].name), static_cast<DISPID>(row + 1), MemberType::Property});
    members.push_back({"Save", kSave, MemberType::Method});
    members.push_back({"Delete", kDelete, MemberType::Method});
    if (info.hasUserProperties)
        members.push_back({"UserProperties", kUserProperties, MemberType::Property});
    if (info.hasRecurrence) {
        members.push_back({"GetRecurrencePattern", kGetRecurrencePattern, MemberType::Method});
        members.push_back({"ClearRecurrencePattern", kClearRecurrencePattern, MemberType::Method});
    }
    return MemberTable(std::move(members));
}

}  // namespace

ItemObject::ItemObject(std::shared_ptr<ProfileSession> session, std::shared_ptr<ItemData> item)
    : m_session(std::move(session)), m_item(std::move(item))
{
}

const MemberTable& ItemObject::Members() const
{
    static const std::array<MemberTable, kAllItemKinds.size()> members{
        BuildMembers(ItemKind::Contact), BuildMembers(ItemKind::Appointment), BuildMembers(ItemKind::Task),
        BuildMembers(ItemKind::Note)};
    return members[static_cast<std::size_t>(m_item->kind)];
}

std::string_view ItemObject::ObjectKind() const { return Info(m_item->kind).objectName; }

HRESULT ItemObject::InvokeMember(Invocation& call)
{
    if (IsStale())
        return call.Fail(ItemGoneError::kMessage, kMapiObjectDeleted);
    switch (call.Member().id) {
    case kSave:
        return Save(call);
    case kDelete:
        return Delete(call);
    case kClearRecurrencePattern:
        if (const HRESULT hr = CheckArgCount(call, 0, 0); FAILED(hr))
            return hr;
        if (m_item->recurrence) {
            m_item->recurrence.reset();
            m_item->saved = false;
        }
        return S_OK;
    case kUserProperties:
        if (call.Form() == CallForm::Put)
            return call.Fail("The property is read-only.");
        return call.ReturnObject(NewObject<UserPropertiesObject>(m_item));
    case kGetRecurrencePattern:
        if (const HRESULT hr = CheckArgCount(call, 0, 0); FAILED(hr))
            return hr;
        EnsurePattern(*m_item);
        return call.ReturnObject(NewObject<RecurrencePatternObject>(m_item));
    default:
        return Property(call, call.Member().id - 1);
    }
}

HRESULT ItemObject::Property(Invocation& call, int row)
{
    if (call.Form() == CallForm::Get) {
        if (const PropertyValue* put = PutValue(*m_item, row))
            return call.ReturnValue(*put);
        return call.ReturnValue(GetProperty(*m_item, row));
    }
    const PropertyDef& def = Info(m_item->kind).properties[static_cast<std::size_t>(row)];
    if (def.access == Access::ReadOnly)
        return call.Fail("The property \"" + std::string(def.name) + "\" is read-only.");
    PropertyValue value;
    if (const HRESULT hr = ToPropertyValue(call.PutValue(), def.type, value); FAILED(hr))
        return hr;
    switch (PutProperty(*m_item, row, std::move(value))) {
    case PutOutcome::Done:
        return S_OK;
    case PutOutcome::ReadOnly:
        return call.Fail("The property \"" + std::string(def.name) + "\" is read-only.");
    case PutOutcome::OutOfRange:
        return call.Fail("The value of \"" + std::string(def.name) + "\" is out of range.");
    }
    return E_UNEXPECTED;
}

HRESULT ItemObject::Save(Invocation& call)
{
    if (const HRESULT hr = CheckArgCount(call, 0, 0); FAILED(hr))
        return hr;
    if (const std::string problem = PatternProblem(*m_item); !problem.empty())
        return call.Fail(problem);
    ItemData saving = *m_item;
    StampForSave(saving, Now());
    m_session->Save(saving);
    *m_item = std::move(saving);
    return S_OK;
}

HRESULT ItemObject::Delete(Invocation& call)
{
    if (const HRESULT hr = CheckArgCount(call, 0, 0); FAILED(hr))
        return hr;
    // An item never saved is not in the profile: it is only dropped. Outlook's reference
    // does not say what Delete does with one; this is our choice.
    if (m_item->id != 0)
        m_session->Delete(*m_item);
    m_deleted = true;
    return S_OK;
}

bool ItemObject::IsStale() const { return m_deleted || (m_item->id != 0 && m_session->WasDeleted(m_item->id)); }

}  // namespace olsim
