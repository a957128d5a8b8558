#include "crash/StoredContacts.h"

#include "common/misc/DispCmd.h"
#include "common/outlook/OlItemSupport.h"
#include "crash/CrashContacts.h"
#include "olsim/OutlookSimulator.h"
#include "common/misc/SqliteDatabase.h"
#include "olsim/StoreError.h"
#include "platform/WinCompat.h"
#include "platform/win/ComHolders.h"

#include <filesystem>
#include <vector>

namespace crash_test {
namespace {

constexpr LONG kContactsFolder = 10;
// Larger than any text of a crash contact, so that a longer stored text shows as wrong.
constexpr int kTextBuffer = 8192;

OlObject ContactItems()
{
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid)))
        return nullptr;
    platform::ComPtr<IUnknown> unknown;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, unknown.PutVoid())) || !unknown)
        return nullptr;
    platform::ComPtr<IDispatch> dispatch;
    if (FAILED(unknown.QueryInto(IID_IDispatch, dispatch)) || !dispatch)
        return nullptr;
    CDispCmd application(dispatch.Get());
    const platform::BstrHolder mapi(OLESTR("MAPI"));
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = mapi.Get();
    OlObject nameSpace = CallForObject(application, OLESTR("GetNameSpace"), &argument, 1, nullptr);
    if (!nameSpace)
        return nullptr;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = kContactsFolder;
    OlObject folder = CallForObject(*nameSpace, OLESTR("GetDefaultFolder"), &argument, 1, nullptr);
    return folder ? GetObjectProperty(*folder, OLESTR("Items"), nullptr) : nullptr;
}

// What is wrong with the contact at nPosition; empty when it is the complete contact of
// that line.
std::string ContactProblem(CDispCmd& contact, int nPosition)
{
    std::vector<char> buffer(kTextBuffer);
    for (const CrashColumn& column : CrashColumns()) {
        buffer[0] = '\0';
        const HRESULT hr = contact.GetString(column.szProperty, buffer.data(), kTextBuffer);
        const std::string expected = CrashValue(column, nPosition);
        if (hr != S_OK || expected != buffer.data())
            return "contact " + std::to_string(nPosition) + ", field " + std::to_string(column.nFieldId) + ": \"" +
                   std::string(buffer.data()) + "\" where \"" + expected + "\" belongs";
    }
    return {};
}

}  // namespace

StoredContacts ReadStoredContacts()
{
    StoredContacts stored;
    olsim::RegisterOutlookSimulator();
    if (OlObject items = ContactItems()) {
        stored.bOpened = true;
        ForEachItem(*items, [&](CDispCmd& contact) {
            ++stored.nCount;
            if (stored.problem.empty()) {
                stored.problem = ContactProblem(contact, stored.nCount);
                if (stored.problem.empty())
                    ++stored.nPrefix;
            }
            return true;
        });
    }
    olsim::UnregisterOutlookSimulator();
    return stored;
}

std::string IntegrityCheck(const std::string& profile)
{
    if (!std::filesystem::exists(profile))
        return "the file is missing";
    try {
        SqliteDatabase db(profile);
        SqliteStatement check(db, "PRAGMA integrity_check");
        std::string findings;
        check.Start();
        while (check.Step())
            findings += (findings.empty() ? "" : "; ") + check.Text(0);
        return findings;
    } catch (const olsim::StoreError& error) {
        return std::string("cannot check: ") + error.what();
    }
}

}  // namespace crash_test
