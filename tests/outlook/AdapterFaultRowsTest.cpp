// Failure rows that a wizard run cannot meet, met by the adapter itself: CSV text never fills a
// contact's user properties, so only a record built by the program's own code asks Outlook to
// write them.
#include "OlAddrTestOutlook.h"

#include "common/outlook/OlAddrUtil.h"
#include "olsim/FaultInjection.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace addr_test {
namespace {

using NamedValues = std::vector<std::pair<std::string, std::string>>;

struct UserPropertyWriteRow {
    const char* szObject;
    const char* szMember;
    HRESULT hr;
    const char* szErrorLine;
    NamedValues userProperties;  // what the new contact holds afterwards
};

class AdapterFaultRows : public ::testing::TestWithParam<UserPropertyWriteRow> {
protected:
    void TearDown() override { olsim::ClearFaults(); }

    ContactsOutlook m_outlook;
    LogCapture m_log;
};

// The contact is written all the same, without the user property Outlook refused: the
// adapter reports it written, and Outlook holds one contact more.
TEST_P(AdapterFaultRows, AUserPropertyOutlookRefusesIsLoggedAndTheContactStillWritten)
{
    const UserPropertyWriteRow& row = GetParam();
    OlAddrUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    const LONG nBefore = m_outlook.Count();
    const auto pRec = std::make_unique<CommAddrRec>();
    std::strcpy(pRec->szFirstName, "Ann");
    std::strcpy(pRec->szLastName, "Baker");
    std::strcpy(pRec->szCustomLabel[0], "Customer Since");
    std::strcpy(pRec->szCustom[0], "2020");
    olsim::InjectFault(row.szObject, row.szMember, row.hr);

    EXPECT_TRUE(adapter.SaveRecord(pRec.get()));

    olsim::ClearFaults();
    EXPECT_EQ(m_outlook.Count(), nBefore + 1);
    Object contact = m_outlook.ContactAt(nBefore + 1);
    ASSERT_NE(contact, nullptr);
    EXPECT_EQ(Text(*contact, OLESTR("LastName")), "Baker");
    EXPECT_EQ(UserProperties(*contact), row.userProperties);
    const std::string log = m_log.Text();
    EXPECT_NE(log.find(std::string("[!!!] - ") + row.szErrorLine + "\r\n"), std::string::npos) << log;
}

const UserPropertyWriteRow kRows[] = {
    {"ContactItem", "UserProperties", E_FAIL, "Failed to get the \"UserProperties\" of contact item, hr=0x80004005.",
     {}},
    {"UserProperties", "Add", DISP_E_EXCEPTION, "Failed to add the user property. hr=0x80020009", {}},
    {"UserProperty", "Value", DISP_E_EXCEPTION, "Failed to set the value of user property. hr=0x80020009",
     {{"Customer Since", ""}}},
};

INSTANTIATE_TEST_SUITE_P(UserPropertyWrites, AdapterFaultRows, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<UserPropertyWriteRow>& info) {
                             return std::string(info.param.szObject) + info.param.szMember;
                         });

}  // namespace
}  // namespace addr_test
