// Faults injected into the simulated Outlook, through the API and the environment.
#include "support/Environment.h"
#include "SimulatedOutlook.h"

#include "olsim/FaultInjection.h"
#include "olsim/SimulatorLog.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace olsim_test {
namespace {

constexpr HRESULT kAccessDenied = static_cast<HRESULT>(0x80070005);

int WalkLength(CDispCmd& items, HRESULT& end)
{
    int length = 0;
    platform::VariantHolder current;
    end = CallMethod(items, OLESTR("GetFirst"), {}, current);
    while (end == S_OK && current->vt == VT_DISPATCH && current->pdispVal) {
        ++length;
        end = CallMethod(items, OLESTR("GetNext"), {}, current);
    }
    return length;
}

void SeedNotes(SimulatedOutlook& outlook, int count)
{
    for (int i = 0; i < count; ++i)
        outlook.AddSaved(kNotesFolder, kNoteItem, {{OLESTR("Body"), "note"}});
}

TEST(FaultInjectionTest, AOnceFaultFailsTheNextCallOnly)
{
    SimulatedOutlook outlook;
    SeedNotes(outlook, 3);
    Object items = outlook.Items(kNotesFolder);
    olsim::InjectFault("items", "getnext", E_FAIL, olsim::FaultRepeat::Once);
    HRESULT end = S_OK;
    EXPECT_EQ(WalkLength(*items, end), 1);
    EXPECT_EQ(end, E_FAIL);
    EXPECT_EQ(WalkLength(*items, end), 3);
    EXPECT_EQ(end, S_OK);
}

TEST(FaultInjectionTest, AnAlwaysFaultFailsGetsPutsAndMethodsUntilCleared)
{
    SimulatedOutlook outlook;
    Object contact = outlook.Add(kContactsFolder, kContactItem);
    ASSERT_NE(contact, nullptr);
    olsim::InjectFault("ContactItem", "FullName", DISP_E_EXCEPTION);
    olsim::InjectFault("ContactItem", "Save", E_OUTOFMEMORY);
    char text[16] = "";
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(contact->GetString(OLESTR("FullName"), text, sizeof text), DISP_E_EXCEPTION);
        EXPECT_EQ(contact->PutString(OLESTR("FullName"), "A B"), DISP_E_EXCEPTION);
        EXPECT_EQ(Save(*contact), E_OUTOFMEMORY);
    }
    EXPECT_EQ(contact->PutString(OLESTR("LastName"), "Other members work"), S_OK);
    Object note = outlook.Add(kNotesFolder, kNoteItem);
    EXPECT_EQ(Save(*note), S_OK) << "only the named kind fails";
    EXPECT_EQ(outlook.Count(kContactsFolder), 0);
    olsim::ClearFaults();
    EXPECT_EQ(Save(*contact), S_OK);
    EXPECT_EQ(outlook.Count(kContactsFolder), 1);
}

TEST(FaultInjectionTest, CreateInstanceCanBeMadeToFail)
{
    olsim::RegisterOutlookSimulator();
    olsim::InjectFault("Application", "CreateInstance", kAccessDenied, olsim::FaultRepeat::Once);
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), S_OK);
    platform::ComPtr<IUnknown> unknown;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, 0x15, IID_IUnknown, unknown.PutVoid()), kAccessDenied);
    EXPECT_FALSE(unknown);
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, 0x15, IID_IUnknown, unknown.PutVoid()), S_OK);
    unknown.Reset();
    olsim::UnregisterOutlookSimulator();
}

TEST(FaultInjectionTest, TheEnvironmentVariableInjectsFaultsAtRegistration)
{
    testing_support::SetEnvironment(olsim::kFaultsVariable, " Items.GetFirst = 0x80004005 : once ; noteitem.save=-2147352567 ");
    SimulatedOutlook outlook;
    testing_support::UnsetEnvironment(olsim::kFaultsVariable);
    Object note = outlook.Add(kNotesFolder, kNoteItem);
    EXPECT_EQ(Save(*note), DISP_E_EXCEPTION);
    EXPECT_EQ(Save(*note), DISP_E_EXCEPTION);
    Object items = outlook.Items(kNotesFolder);
    platform::VariantHolder first;
    EXPECT_EQ(CallMethod(*items, OLESTR("GetFirst"), {}, first), E_FAIL);
    EXPECT_EQ(CallMethod(*items, OLESTR("GetFirst"), {}, first), S_OK);
}

TEST(FaultInjectionTest, BadFaultListsAreReportedAndInjectNothing)
{
    const char* const bad[] = {
        "Items.GetFirst",          "Items=0x80004005",         "Items.GetFirst=zz",
        "Items.GetFirst=1:twice",  ".GetFirst=1",              "Items.=1",
        "Items.GetFirst=0x1FFFFFFFF", "Save.Items=1;Items.GetNext",
    };
    for (const char* faultList : bad) {
        olsim::InjectFault("Items", "Count", E_FAIL);
        const auto problem = olsim::LoadFaults(faultList);
        ASSERT_TRUE(problem.has_value()) << faultList;
        EXPECT_FALSE(problem->empty());
        EXPECT_FALSE(olsim::TakeFault("Items", "Count").has_value()) << faultList;
        EXPECT_FALSE(olsim::TakeFault("Save", "Items").has_value()) << faultList;
    }
    std::vector<std::string> lines;
    olsim::SetLogSink([&lines](const std::string& line) { lines.push_back(line); });
    testing_support::SetEnvironment(olsim::kFaultsVariable, "Items.GetFirst=oops");
    olsim::RegisterOutlookSimulator();
    testing_support::UnsetEnvironment(olsim::kFaultsVariable);
    olsim::UnregisterOutlookSimulator();
    olsim::SetLogSink({});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("OLSIM_FAULTS"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("oops"), std::string::npos) << lines[0];
}

}  // namespace
}  // namespace olsim_test
