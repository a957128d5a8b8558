#include "olsim/UserPropertyObject.h"

#include "olsim/UserPropertyRules.h"
#include "olsim/VariantConversion.h"

namespace olsim {
namespace {

enum : DISPID { kValue = DISPID_VALUE, kName, kType };

}  // namespace

UserPropertyObject::UserPropertyObject(std::shared_ptr<ItemData> item, int position)
    : m_item(std::move(item)), m_name(m_item->userProperties[static_cast<std::size_t>(position)].name)
{
}

const MemberTable& UserPropertyObject::Members() const
{
    static const MemberTable members({
        {"Value", kValue, MemberType::Property},
        {"Name", kName, MemberType::Property},
        {"Type", kType, MemberType::Property},
    });
    return members;
}

HRESULT UserPropertyObject::InvokeMember(Invocation& call)
{
    const int position = FindUserProperty(*m_item, m_name);
    if (position < 0)
        return call.Fail(kObjectNotFound, kMapiNotFound);
    UserPropertyData& property = m_item->userProperties[static_cast<std::size_t>(position)];
    if (call.Form() == CallForm::Put && call.Member().id != kValue)
        return call.Fail("The property is read-only.");
    switch (call.Member().id) {
    case kName:
        return call.ReturnValue(TextValue(property.name));
    case kType:
        return call.ReturnValue(LongValue(property.type));
    case kValue: {
        if (call.Form() == CallForm::Get)
            return call.ReturnValue(UserPropertyValue(property));
        PropertyValue value;
        const ValueType type = UserPropertyValueType(property.type).value_or(ValueType::Text);
        if (const HRESULT hr = ToPropertyValue(call.PutValue(), type, value); FAILED(hr))
            return hr;
        property.value = std::move(value);
        m_item->saved = false;
        return S_OK;
    }
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

}  // namespace olsim
