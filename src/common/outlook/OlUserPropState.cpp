#include "common/outlook/OlUserPropState.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/outlook/OlValueAccess.h"
#include "platform/win/ComHolders.h"

namespace {

constexpr int kLogError = 0;

unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }

struct TNameAndType {
    std::string name;
    LONG nType = 0;

    bool operator==(const TNameAndType&) const = default;
};

OlObject UserPropertiesOf(CDispCmd& item, const TOlStateKind& kind, int nFailureLevel = kLogError)
{
    HRESULT hr = S_OK;
    OlObject properties = GetObjectProperty(item, OLESTR("UserProperties"), &hr);
    if (!properties)
        AppDebug.LogMessage(nFailureLevel, __FILE__, __LINE__, "Failed to get the user properties of the %s item. hr=0x%x",
                            kind.szKind, HexCode(FAILED(hr) ? hr : E_FAIL));
    return properties;
}

VARIANT LongArgument(LONG nValue)
{
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = nValue;
    return argument;
}

// The user properties' count, then each one's name and type, by position from 1.
class UserPropertyList {
public:
    UserPropertyList(CDispCmd& properties, const TOlStateKind& kind, int nFailureLevel = kLogError)
        : m_properties(properties), m_kind(kind), m_nFailureLevel(nFailureLevel)
    {
    }

    bool Count(LONG& nCount)
    {
        const HRESULT hr = m_properties.GetLong(OLESTR("Count"), &nCount);
        return hr == S_OK || Failed("count the user properties", hr);
    }

    OlObject At(LONG nPosition)
    {
        VARIANT position = LongArgument(nPosition);
        HRESULT hr = S_OK;
        OlObject property = CallForObject(m_properties, OLESTR("Item"), &position, 1, &hr);
        if (!property)
            Failed("get a user property", FAILED(hr) ? hr : E_FAIL);
        return property;
    }

    bool NameAndType(CDispCmd& property, TNameAndType& out)
    {
        TOlValue name;
        HRESULT hr = GetValue(property, OLESTR("Name"), name);
        if (hr != S_OK || !std::holds_alternative<std::string>(name))
            return Failed("read the name of a user property", FAILED(hr) ? hr : DISP_E_TYPEMISMATCH);
        out.name = std::get<std::string>(name);
        hr = property.GetLong(OLESTR("Type"), &out.nType);
        return hr == S_OK || Failed("read the type of the user property \"" + out.name + "\"", hr);
    }

    bool Failed(const std::string& what, HRESULT hr)
    {
        AppDebug.LogMessage(m_nFailureLevel, __FILE__, __LINE__, "Failed to %s of the %s item. hr=0x%x", what.c_str(),
                            m_kind.szKind, HexCode(hr));
        return false;
    }

private:
    CDispCmd& m_properties;
    const TOlStateKind& m_kind;
    const int m_nFailureLevel;
};

bool Remove(UserPropertyList& list, CDispCmd& properties, LONG nPosition)
{
    VARIANT position = LongArgument(nPosition);
    platform::VariantHolder result;
    const HRESULT hr = properties.Call(OLESTR("Remove"), &position, 1, result.Get());
    return SUCCEEDED(hr) || list.Failed("remove a user property", hr);
}

OlObject Add(UserPropertyList& list, CDispCmd& properties, const TOlSavedUserProperty& saved)
{
    // Add(Name, Type, AddToFolderFields), COM order: the last argument first.
    const platform::OleString name = WideFromUtf8(saved.name);
    VARIANT args[3];
    for (VARIANT& arg : args)
        VariantInit(&arg);
    args[0].vt = VT_BOOL;
    args[0].boolVal = VARIANT_FALSE;
    args[1] = LongArgument(saved.nType);
    platform::BstrHolder nameText(platform::OleStringView{name});
    args[2].vt = VT_BSTR;
    args[2].bstrVal = nameText.Get();
    HRESULT hr = S_OK;
    OlObject property = CallForObject(properties, OLESTR("Add"), args, 3, &hr);
    if (!property)
        list.Failed("add the user property \"" + saved.name + "\"", FAILED(hr) ? hr : E_FAIL);
    return property;
}

}  // namespace

bool ReadUserPropertyStates(CDispCmd& item, const TOlStateKind& kind, int nFailureLevel,
                            std::vector<TOlSavedUserProperty>& properties)
{
    const OlObject collection = UserPropertiesOf(item, kind, nFailureLevel);
    if (!collection)
        return false;
    UserPropertyList list(*collection, kind, nFailureLevel);
    LONG nCount = 0;
    if (!list.Count(nCount))
        return false;
    for (LONG nPosition = 1; nPosition <= nCount; ++nPosition) {
        const OlObject property = list.At(nPosition);
        TNameAndType nameAndType;
        if (!property || !list.NameAndType(*property, nameAndType))
            return false;
        TOlSavedUserProperty saved{nameAndType.name, nameAndType.nType, {}};
        const HRESULT hr = GetValue(*property, OLESTR("Value"), saved.value);
        if (hr != S_OK)
            return list.Failed("read the value of the user property \"" + saved.name + "\"",
                               FAILED(hr) ? hr : DISP_E_TYPEMISMATCH);
        properties.push_back(std::move(saved));
    }
    return true;
}

bool RestoreUserProperties(CDispCmd& item, const TOlStateKind& kind,
                           const std::vector<TOlSavedUserProperty>& properties)
{
    const OlObject collection = UserPropertiesOf(item, kind);
    if (!collection)
        return false;
    UserPropertyList list(*collection, kind);
    LONG nCount = 0;
    if (!list.Count(nCount))
        return false;
    LONG nKept = 0;
    for (; nKept < nCount && static_cast<std::size_t>(nKept) < properties.size(); ++nKept) {
        const OlObject property = list.At(nKept + 1);
        TNameAndType current;
        if (!property || !list.NameAndType(*property, current))
            return false;
        const TOlSavedUserProperty& saved = properties[static_cast<std::size_t>(nKept)];
        if (current != TNameAndType{saved.name, saved.nType})
            break;
    }
    // From the last, so that the positions still to go stay where they are.
    for (LONG nPosition = nCount; nPosition > nKept; --nPosition) {
        if (!Remove(list, *collection, nPosition))
            return false;
    }
    bool bAll = true;
    for (std::size_t i = 0; i < properties.size(); ++i) {
        const TOlSavedUserProperty& saved = properties[i];
        const OlObject property = i < static_cast<std::size_t>(nKept) ? list.At(static_cast<LONG>(i) + 1)
                                                                      : Add(list, *collection, saved);
        if (!property) {
            bAll = false;
            continue;
        }
        const HRESULT hr = PutValue(*property, OLESTR("Value"), saved.value);
        if (FAILED(hr))
            bAll = list.Failed("put back the value of the user property \"" + saved.name + "\"", hr);
    }
    return bAll;
}
