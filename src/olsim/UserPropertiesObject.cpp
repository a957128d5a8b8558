#include "olsim/UserPropertiesObject.h"

#include "olsim/UserPropertyObject.h"
#include "olsim/UserPropertyRules.h"
#include "olsim/VariantConversion.h"

namespace olsim {
namespace {

enum : DISPID { kItem = DISPID_VALUE, kCount, kFind, kAdd, kRemove };

HRESULT TextArgument(const VARIANT& argument, std::string& out)
{
    if (Dereferenced(argument).vt != VT_BSTR)
        return DISP_E_TYPEMISMATCH;
    PropertyValue value;
    const HRESULT hr = ToPropertyValue(argument, ValueType::Text, value);
    out = AsText(value);
    return hr;
}

}  // namespace

UserPropertiesObject::UserPropertiesObject(std::shared_ptr<ItemData> item) : m_item(std::move(item)) {}

const MemberTable& UserPropertiesObject::Members() const
{
    static const MemberTable members({
        {"Item", kItem, MemberType::Method},
        {"Count", kCount, MemberType::Property},
        {"Find", kFind, MemberType::Method},
        {"Add", kAdd, MemberType::Method},
        {"Remove", kRemove, MemberType::Method},
    });
    return members;
}

HRESULT UserPropertiesObject::InvokeMember(Invocation& call)
{
    switch (call.Member().id) {
    case kItem:
        return ItemAt(call);
    case kCount:
        if (call.Form() == CallForm::Put)
            return call.Fail("The property is read-only.");
        return call.ReturnValue(LongValue(static_cast<std::int32_t>(m_item->userProperties.size())));
    case kFind:
        return Find(call);
    case kAdd:
        return Add(call);
    case kRemove:
        return Remove(call);
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT UserPropertiesObject::ReturnProperty(Invocation& call, int position)
{
    return call.ReturnObject(position < 0 ? nullptr : NewObject<UserPropertyObject>(m_item, position));
}

HRESULT UserPropertiesObject::ItemAt(Invocation& call)
{
    if (const HRESULT hr = CheckArgCount(call, 1, 1); FAILED(hr))
        return hr;
    if (Dereferenced(call.Arg(0)).vt == VT_BSTR) {
        std::string name;
        TextArgument(call.Arg(0), name);
        return ReturnProperty(call, FindUserProperty(*m_item, name));
    }
    int position = 0;
    if (const HRESULT hr = PositionArgument(call, position); hr != S_OK)
        return hr;
    return ReturnProperty(call, position);
}

HRESULT UserPropertiesObject::Remove(Invocation& call)
{
    if (const HRESULT hr = CheckArgCount(call, 1, 1); FAILED(hr))
        return hr;
    int position = 0;
    if (const HRESULT hr = PositionArgument(call, position); hr != S_OK)
        return hr;
    m_item->userProperties.erase(m_item->userProperties.begin() + position);
    m_item->saved = false;
    return S_OK;
}

HRESULT UserPropertiesObject::PositionArgument(Invocation& call, int& position)
{
    std::int32_t index = 0;
    if (const HRESULT hr = ToIndex(call.Arg(0), index); FAILED(hr))
        return hr;
    if (index < 1 || static_cast<std::size_t>(index) > m_item->userProperties.size())
        return call.Fail("Array index out of bounds.");
    position = index - 1;
    return S_OK;
}

HRESULT UserPropertiesObject::Find(Invocation& call)
{
    if (const HRESULT hr = CheckArgCount(call, 1, 2); FAILED(hr))
        return hr;
    std::string name;
    if (const HRESULT hr = TextArgument(call.Arg(0), name); FAILED(hr))
        return hr;
    return ReturnProperty(call, FindUserProperty(*m_item, name));
}

HRESULT UserPropertiesObject::Add(Invocation& call)
{
    if (const HRESULT hr = CheckArgCount(call, 2, 4); FAILED(hr))
        return hr;
    std::string name;
    if (const HRESULT hr = TextArgument(call.Arg(0), name); FAILED(hr))
        return hr;
    std::int32_t type = 0;
    if (const HRESULT hr = ToIndex(call.Arg(1), type); FAILED(hr))
        return hr;
    // AddToFolderFields and DisplayFormat only shape Outlook's views; they are checked
    // for their types and otherwise have no effect here.
    for (UINT optional = 2; optional < call.ArgCount(); ++optional) {
        if (IsMissing(call.Arg(optional)))
            continue;
        const ValueType argumentType = optional == 2 ? ValueType::Bool : ValueType::Long;
        PropertyValue ignored;
        if (const HRESULT hr = ToPropertyValue(call.Arg(optional), argumentType, ignored); FAILED(hr))
            return hr;
    }
    if (!IsValidUserPropertyName(name))
        return call.Fail("The name of a user property must have 1 to 64 characters and none of [ ] _ #.");
    if (!UserPropertyValueType(type))
        return call.Fail("The type of the user property is not supported.");
    if (FindUserProperty(*m_item, name) >= 0)
        return call.Fail("A user property of that name already exists.");
    m_item->userProperties.push_back({name, type, {}});
    m_item->saved = false;
    return ReturnProperty(call, static_cast<int>(m_item->userProperties.size()) - 1);
}

}  // namespace olsim
