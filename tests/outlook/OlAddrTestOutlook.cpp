#include "OlAddrTestOutlook.h"

#include "common/misc/CxDebugUtil.h"
#include "olsim/FaultInjection.h"
#include "olsim/OutlookSimulator.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace addr_test {
namespace {

constexpr DWORD kServerContexts = 0x15;
constexpr LONG kTextType = 1;
constexpr LONG kNumberType = 3;

Object WrapResult(HRESULT hr, platform::VariantHolder& result)
{
    EXPECT_EQ(hr, S_OK);
    if (FAILED(hr) || result->vt != VT_DISPATCH || result->pdispVal == nullptr)
        return nullptr;
    return std::make_unique<CDispCmd>(result->pdispVal);
}

Object CallWithLong(CDispCmd& target, const OLECHAR* name, LONG nArgument)
{
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = nArgument;
    platform::VariantHolder result;
    return WrapResult(target.Call(name, &argument, 1, result.Get()), result);
}

Object GetObjectOf(CDispCmd& target, const OLECHAR* name)
{
    IDispatch* pDisp = nullptr;
    EXPECT_EQ(target.GetObject(name, &pDisp), S_OK);
    const auto held = platform::ComPtr<IDispatch>::Adopt(pDisp);
    return held ? std::make_unique<CDispCmd>(held.Get()) : nullptr;
}

void Put(CDispCmd& item, const Property& property)
{
    const OLECHAR* name = property.name.c_str();
    switch (property.value.kind) {
    case Value::Kind::Text:
        EXPECT_EQ(item.PutString(name, property.value.text.c_str()), S_OK);
        break;
    case Value::Kind::Date:
        EXPECT_EQ(item.PutDate(name, property.value.date), S_OK);
        break;
    case Value::Kind::Long:
        EXPECT_EQ(item.PutLong(name, property.value.number), S_OK);
        break;
    }
}

void AddUserProperty(CDispCmd& properties, const UserProperty& property)
{
    const bool bText = std::holds_alternative<std::string>(property.value);
    const platform::BstrHolder name(property.name.c_str());
    VARIANT args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_I4;
    args[0].lVal = bText ? kTextType : kNumberType;
    args[1].vt = VT_BSTR;
    args[1].bstrVal = name.Get();
    platform::VariantHolder result;
    Object added = WrapResult(properties.Call(OLESTR("Add"), args, 2, result.Get()), result);
    ASSERT_NE(added, nullptr);
    if (bText)
        EXPECT_EQ(added->PutString(OLESTR("Value"), std::get<std::string>(property.value).c_str()), S_OK);
    else
        EXPECT_EQ(added->PutLong(OLESTR("Value"), std::get<LONG>(property.value)), S_OK);
}

}  // namespace

DATE DateOf(int year, int month, int day, int hour, int minute)
{
    SYSTEMTIME st = platform::MakeSystemTime(static_cast<WORD>(year), static_cast<WORD>(month), static_cast<WORD>(day),
                                             static_cast<WORD>(hour), static_cast<WORD>(minute));
    DATE date = 0.0;
    EXPECT_TRUE(SystemTimeToVariantTime(&st, &date));
    return date;
}

ContactsOutlook::ContactsOutlook() : m_clock(platform::MakeSystemTime(2024, 3, 15, 10, 10, 0))
{
    olsim::RegisterOutlookSimulator();
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), S_OK);
    platform::ComPtr<IUnknown> unknown;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, kServerContexts, IID_IUnknown, unknown.PutVoid()), S_OK);
    platform::ComPtr<IDispatch> dispatch;
    EXPECT_EQ(unknown.QueryInto(IID_IDispatch, dispatch), S_OK);
    if (!dispatch)
        return;
    CDispCmd application(dispatch.Get());
    const platform::BstrHolder mapi(OLESTR("MAPI"));
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = mapi.Get();
    platform::VariantHolder result;
    m_nameSpace = WrapResult(application.Call(OLESTR("GetNameSpace"), &argument, 1, result.Get()), result);
}

ContactsOutlook::~ContactsOutlook()
{
    m_nameSpace.reset();
    olsim::ClearFaults();
    olsim::UnregisterOutlookSimulator();
}

Object ContactsOutlook::Items()
{
    if (!m_nameSpace)
        return nullptr;
    Object folder = CallWithLong(*m_nameSpace, OLESTR("GetDefaultFolder"), kContactsFolder);
    return folder ? GetObjectOf(*folder, OLESTR("Items")) : nullptr;
}

std::string ContactsOutlook::AddContact(const std::vector<Property>& properties,
                                        const std::vector<UserProperty>& userProperties)
{
    Object items = Items();
    Object item = items ? CallWithLong(*items, OLESTR("Add"), kContactItem) : nullptr;
    if (!item) {
        ADD_FAILURE() << "no new contact";
        return {};
    }
    for (const Property& property : properties)
        Put(*item, property);
    if (!userProperties.empty()) {
        Object collection = GetObjectOf(*item, OLESTR("UserProperties"));
        for (const UserProperty& property : userProperties)
            AddUserProperty(*collection, property);
    }
    platform::VariantHolder result;
    EXPECT_EQ(item->Call(OLESTR("Save"), nullptr, 0, result.Get()), S_OK);
    return Text(*item, OLESTR("EntryID"));
}

LONG ContactsOutlook::Count()
{
    Object items = Items();
    return items ? Number(*items, OLESTR("Count")) : -1;
}

Object ContactsOutlook::ContactAt(LONG nPosition)
{
    Object items = Items();
    return items ? CallWithLong(*items, OLESTR("Item"), nPosition) : nullptr;
}

std::string Text(CDispCmd& object, const OLECHAR* name)
{
    std::vector<char> buffer(32768, '\0');
    EXPECT_EQ(object.GetString(name, buffer.data(), static_cast<int>(buffer.size())), S_OK);
    return buffer.data();
}

LONG Number(CDispCmd& object, const OLECHAR* name)
{
    LONG value = -12345;
    EXPECT_EQ(object.GetLong(name, &value), S_OK);
    return value;
}

DATE DateValue(CDispCmd& object, const OLECHAR* name)
{
    DATE value = -1.0;
    EXPECT_EQ(object.GetDate(name, &value), S_OK);
    return value;
}

std::vector<std::pair<std::string, std::string>> UserProperties(CDispCmd& contact)
{
    std::vector<std::pair<std::string, std::string>> found;
    Object collection = GetObjectOf(contact, OLESTR("UserProperties"));
    if (!collection)
        return found;
    const LONG nCount = Number(*collection, OLESTR("Count"));
    for (LONG i = 1; i <= nCount; ++i) {
        Object property = CallWithLong(*collection, OLESTR("Item"), i);
        if (!property)
            break;
        char szValue[256] = "#";
        property->GetString(OLESTR("Value"), szValue, sizeof szValue);
        found.emplace_back(Text(*property, OLESTR("Name")), szValue);
    }
    return found;
}

LogCapture::LogCapture()
    : m_folder((testing_support::CurrentTestDataHome() / "log").string() + "/"),
      m_previousFolder(AppDebug.GetLogFolder()),
      m_previousLevel(AppDebug.GetLogLevel()),
      m_bPreviousEnable(AppDebug.IsLogEnabled())
{
    std::filesystem::create_directories(m_folder);
    AppDebug.SetLogFolder(m_folder.c_str());
    AppDebug.SetLogLevel(CxDebugUtil::MAX_LEVEL);
    AppDebug.EnableLog(true);
}

LogCapture::~LogCapture()
{
    AppDebug.SetLogFolder(m_previousFolder.c_str());
    AppDebug.SetLogLevel(m_previousLevel);
    AppDebug.EnableLog(m_bPreviousEnable);
}

std::string LogCapture::Text() const
{
    std::ifstream file(m_folder + AppDebug.GetLogFileName(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool LogCapture::HasLine(const std::string& message) const
{
    return Text().find("] - " + message + "\r\n") != std::string::npos;
}

}  // namespace addr_test
