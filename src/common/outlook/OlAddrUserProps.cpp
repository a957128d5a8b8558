// The first ten user-defined properties of a contact, carried as name and value texts.
#include "common/outlook/OlAddrUtil.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/outlook/OlItemSupport.h"
#include "platform/OleTextConversion.h"
#include "platform/win/ComHolders.h"

namespace {

constexpr int kLogError = 0;
constexpr int kUserPropTextSize = 64;
constexpr int kNameUnits = 256;
constexpr LONG kTextProperty = 1;
constexpr LONG kDisplayFormat = 1;

unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }

OlObject GetUserProperties(CDispCmd& item)
{
    HRESULT hr = S_OK;
    OlObject properties = GetObjectProperty(item, OLESTR("UserProperties"), &hr);
    if (!properties)
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to get the \"UserProperties\" of contact item, hr=0x%x.", HexCode(hr));
    return properties;
}

// The name as the BSTR a call takes, cut to the units a property name can hold.
platform::BstrHolder NameArgument(const char* szName)
{
    const platform::OleString name = platform::OleFromNarrow(szName);
    return platform::BstrHolder(platform::OleStringView(name).substr(0, platform::CutOleLength(name, kNameUnits - 1)));
}

OlObject FindUserProperty(CDispCmd& properties, BSTR bstrName)
{
    VARIANT name;
    VariantInit(&name);
    name.vt = VT_BSTR;
    name.bstrVal = bstrName;
    return CallForObject(properties, OLESTR("Find"), &name, 1, nullptr);
}

// UserProperties.Add(name, text, not in the folder's fields, display format 1).
OlObject AddUserProperty(CDispCmd& properties, BSTR bstrName, HRESULT* phr)
{
    VARIANT args[4];
    for (VARIANT& arg : args)
        VariantInit(&arg);
    args[0].vt = VT_I4;
    args[0].lVal = kDisplayFormat;
    args[1].vt = VT_BOOL;
    args[1].boolVal = VARIANT_FALSE;
    args[2].vt = VT_I4;
    args[2].lVal = kTextProperty;
    args[3].vt = VT_BSTR;
    args[3].bstrVal = bstrName;
    return CallForObject(properties, OLESTR("Add"), args, 4, phr);
}

bool SlotIsEmpty(const OlAddrItem& image, std::size_t i)
{
    return image.UserPropName[i][0] == 0 && image.UserPropValue[i][0] == 0;
}

}  // namespace

bool OlAddrUtil::ReadUserProperties(IDispatch* pItem, OlAddrItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    OlObject properties = GetUserProperties(item);
    if (!properties)
        return false;

    LONG nCount = 0;
    HRESULT hr = properties->GetLong(OLESTR("Count"), &nCount);
    if (FAILED(hr)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to get the \"Count\" property of UserProperties collection, hr=0x%x", HexCode(hr));
        return false;
    }
    for (LONG i = 0; i < nCount && i < static_cast<LONG>(OL_ADDR_USER_PROPS); ++i) {
        LONG nPosition = i + 1;
        VARIANT index;
        VariantInit(&index);
        index.vt = VT_BYREF | VT_I4;
        index.plVal = &nPosition;
        OlObject property = CallForObject(*properties, OLESTR("Item"), &index, 1, &hr);
        if (!property) {
            AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                                "One user defined property is not loaded correctly, hr=0x%x", HexCode(hr));
            break;
        }
        hr = property->GetString(OLESTR("Name"), pImage->UserPropName[i], kUserPropTextSize);
        if (FAILED(hr))
            AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to get the name of user defined property. hr=0x%x",
                                HexCode(hr));
        // A value that is not text (a number, a date) leaves the slot empty.
        property->GetString(OLESTR("Value"), pImage->UserPropValue[i], kUserPropTextSize);
    }
    return true;
}

bool OlAddrUtil::WriteUserProperties(IDispatch* pItem, const OlAddrItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    bool bAnySlot = false;
    for (std::size_t i = 0; i < OL_ADDR_USER_PROPS; ++i)
        bAnySlot = bAnySlot || !SlotIsEmpty(*pImage, i);
    if (!bAnySlot)
        return true;

    CDispCmd item(pItem);
    OlObject properties = GetUserProperties(item);
    if (!properties)
        return false;
    for (std::size_t i = 0; i < OL_ADDR_USER_PROPS; ++i) {
        if (SlotIsEmpty(*pImage, i))
            continue;
        const platform::BstrHolder name = NameArgument(pImage->UserPropName[i]);
        OlObject property = FindUserProperty(*properties, name.Get());
        if (!property) {
            HRESULT hr = S_OK;
            property = AddUserProperty(*properties, name.Get(), &hr);
            // An Outlook that answers Add with a bare success code is asked for the new property.
            if (!property && SUCCEEDED(hr))
                property = FindUserProperty(*properties, name.Get());
            if (!property) {
                AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to add the user property. hr=0x%x",
                                    HexCode(FAILED(hr) ? hr : E_FAIL));
                continue;
            }
        }
        const HRESULT hr = property->PutString(OLESTR("Value"), pImage->UserPropValue[i]);
        if (FAILED(hr))
            AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to set the value of user property. hr=0x%x",
                                HexCode(hr));
    }
    return true;
}
