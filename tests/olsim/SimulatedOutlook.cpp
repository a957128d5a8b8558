#include "SimulatedOutlook.h"

#include "olsim/FaultInjection.h"
#include "olsim/VariantConversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace olsim_test {

void Arg::SetLong(LONG number)
{
    m_value->vt = VT_I4;
    m_value->lVal = number;
}

Arg::Arg(const OLECHAR* text)
{
    m_value->vt = VT_BSTR;
    m_value->bstrVal = SysAllocString(text);
}

Arg::Arg(bool flag)
{
    m_value->vt = VT_BOOL;
    m_value->boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
}

Arg Arg::ByRef(LONG* number)
{
    Arg arg;
    arg.m_value->vt = VT_BYREF | VT_I4;
    arg.m_value->plVal = number;
    return arg;
}

double DateOf(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME st = platform::MakeSystemTime(static_cast<WORD>(year), static_cast<WORD>(month), static_cast<WORD>(day),
                                             static_cast<WORD>(hour), static_cast<WORD>(minute),
                                             static_cast<WORD>(second));
    double date = 0;
    EXPECT_TRUE(SystemTimeToVariantTime(&st, &date));
    return date;
}

HRESULT CallMethod(CDispCmd& target, const OLECHAR* name, std::initializer_list<const Arg*> args,
                   platform::VariantHolder& result)
{
    // COM order: the last argument first. The copies share what the Args own.
    std::vector<VARIANT> comOrder;
    for (auto it = std::rbegin(args); it != std::rend(args); ++it)
        comOrder.push_back((*it)->Get());
    result.Clear();
    return target.Call(name, comOrder.data(), static_cast<UINT>(comOrder.size()), result.Get());
}

Object CallForObject(CDispCmd& target, const OLECHAR* name, std::initializer_list<const Arg*> args)
{
    platform::VariantHolder result;
    const HRESULT hr = CallMethod(target, name, args, result);
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(result->vt, VT_DISPATCH);
    if (FAILED(hr) || result->vt != VT_DISPATCH || !result->pdispVal)
        return nullptr;
    return std::make_unique<CDispCmd>(result->pdispVal);
}

Object GetObjectProperty(CDispCmd& target, const OLECHAR* name)
{
    IDispatch* object = nullptr;
    EXPECT_EQ(target.GetObject(name, &object), S_OK);
    if (!object)
        return nullptr;
    auto wrapped = std::make_unique<CDispCmd>(object);
    object->Release();
    return wrapped;
}

CallOutcome InvokeForOutcome(CDispCmd& target, const OLECHAR* name, CallKind kind,
                             std::initializer_list<const Arg*> args)
{
    CallOutcome outcome;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    outcome.hr = target.GetDispatch()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_SYSTEM_DEFAULT, &id);
    if (FAILED(outcome.hr))
        return outcome;
    std::vector<VARIANT> comOrder;
    for (auto it = std::rbegin(args); it != std::rend(args); ++it)
        comOrder.push_back((*it)->Get());
    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS params{comOrder.data(), kind == CallKind::Put ? &namedPut : nullptr, static_cast<UINT>(comOrder.size()),
                      kind == CallKind::Put ? 1u : 0u};
    const WORD flags = kind == CallKind::Method ? DISPATCH_METHOD
                       : kind == CallKind::Get  ? DISPATCH_PROPERTYGET
                                                : DISPATCH_PROPERTYPUT;
    platform::VariantHolder result;
    EXCEPINFO exception{};
    outcome.hr = target.GetDispatch()->Invoke(id, IID_NULL, LOCALE_SYSTEM_DEFAULT, flags, &params,
                                              kind == CallKind::Put ? nullptr : result.Get(), &exception, nullptr);
    outcome.scode = exception.scode;
    if (exception.bstrDescription)
        outcome.description = olsim::Utf8FromWide(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return outcome;
}

std::string GetText(CDispCmd& target, const OLECHAR* name)
{
    std::vector<char> buffer(32768, '\0');
    EXPECT_EQ(target.GetString(name, buffer.data(), static_cast<int>(buffer.size())), S_OK);
    return buffer.data();
}

LONG GetNumber(CDispCmd& target, const OLECHAR* name)
{
    LONG value = -12345;
    EXPECT_EQ(target.GetLong(name, &value), S_OK);
    return value;
}

bool GetFlag(CDispCmd& target, const OLECHAR* name)
{
    bool value = false;
    EXPECT_EQ(target.GetBool(name, &value), S_OK);
    return value;
}

double GetDateValue(CDispCmd& target, const OLECHAR* name)
{
    double value = -1;
    EXPECT_EQ(target.GetDate(name, &value), S_OK);
    return value;
}

HRESULT Save(CDispCmd& item)
{
    platform::VariantHolder result;
    return CallMethod(item, OLESTR("Save"), {}, result);
}

SimulatedOutlook::SimulatedOutlook() : m_clock(platform::MakeSystemTime(2024, 3, 15, 10, 10, 0)) { Reconnect(); }

SimulatedOutlook::~SimulatedOutlook()
{
    Disconnect();
    olsim::ClearFaults();
}

void SimulatedOutlook::Reconnect()
{
    olsim::RegisterOutlookSimulator();
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), S_OK);
    platform::ComPtr<IUnknown> unknown;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, 0x15, IID_IUnknown, unknown.PutVoid()), S_OK);
    ASSERT_EQ(OleRun(unknown.Get()), S_OK);
    platform::ComPtr<IDispatch> dispatch;
    ASSERT_EQ(unknown.QueryInto(IID_IDispatch, dispatch), S_OK);
    m_application = std::make_unique<CDispCmd>(dispatch.Get());
    const Arg mapi(OLESTR("MAPI"));
    m_nameSpace = CallForObject(*m_application, OLESTR("GetNameSpace"), {&mapi});
    ASSERT_NE(m_nameSpace, nullptr);
}

void SimulatedOutlook::Disconnect()
{
    m_nameSpace.reset();
    m_application.reset();
    olsim::UnregisterOutlookSimulator();
}

Object SimulatedOutlook::Folder(int folderNumber)
{
    const Arg number(folderNumber);
    return CallForObject(*m_nameSpace, OLESTR("GetDefaultFolder"), {&number});
}

Object SimulatedOutlook::Items(int folderNumber)
{
    Object folder = Folder(folderNumber);
    return folder ? GetObjectProperty(*folder, OLESTR("Items")) : nullptr;
}

Object SimulatedOutlook::Add(int folderNumber, int itemType)
{
    Object items = Items(folderNumber);
    if (!items)
        return nullptr;
    const Arg type(itemType);
    return CallForObject(*items, OLESTR("Add"), {&type});
}

Object SimulatedOutlook::AddSaved(int folderNumber, int itemType,
                                  std::initializer_list<std::pair<const OLECHAR*, const char*>> texts)
{
    Object item = Add(folderNumber, itemType);
    if (!item)
        return nullptr;
    for (const auto& [name, text] : texts)
        EXPECT_EQ(item->PutString(name, text), S_OK);
    EXPECT_EQ(Save(*item), S_OK);
    return item;
}

LONG SimulatedOutlook::Count(int folderNumber)
{
    Object items = Items(folderNumber);
    return items ? GetNumber(*items, OLESTR("Count")) : -1;
}

}  // namespace olsim_test
