// The failure rows of the Outlook connection and of the contacts adapter, met by the wizard.
#include "FaultRows.h"

namespace fault_rows {
namespace {

using olsim::FaultRepeat;

constexpr HRESULT kFail = E_FAIL;
constexpr HRESULT kException = DISP_E_EXCEPTION;
constexpr HRESULT kAccessDenied = static_cast<HRESULT>(0x80070005);

const Kind kContacts = {
    FLAG_ADDR,
    "contacts",
    {"Last Name"},
    {"First Name", "Last Name", "Email 1", "Company Name"},
    "\"Ann\",\"Baker\",\"ann@example.com\",\"Acme\"\r\n"
    "\"Bob\",\"Smith\",\"bob@example.com\",\"Initech\"\r\n"
    "\"Ann\",\"Baker\",\"ann@example.com\",\"Globex\"\r\n",
    [](int nItemsBefore) { return nItemsBefore; },
    "No contact record is selected. Please select the records you want to convert.",
};

const std::string kItemsLine = "Failed to get the \"Items\" property of the Contact folder. hr=0x80004005";

const std::vector<Row> kConnectionRows = {
    {"ClassNotRegistered", {}, Phase::Connect,
     {"Can not get the CLSID of Outlook.Application, hr=0x800401f3"}, kNoRecords, 0, Server::NotRegistered},
    {"CoCreateInstanceFails", {{"Application", "CreateInstance", kAccessDenied}}, Phase::Connect,
     {"Failed to execute CoCreateInstance, hr=0x80070005"}, kNoRecords, 0},
    // The adapter's own Connect tries again after the one its base made while being built.
    {"CoCreateInstanceFailsOnce", {{"Application", "CreateInstance", kAccessDenied, FaultRepeat::Once}},
     Phase::Connect, {"Failed to execute CoCreateInstance, hr=0x80070005"}, kEveryItem, kWrittenWithoutFault},
    {"OleRunFails", {}, Phase::Connect, {"Failed to execute OleRun, hr=0x80080005"}, kNoRecords, 0,
     Server::RunRefused},
    {"NoDispatchInterface", {}, Phase::Connect,
     {"Failed to query IDispatch interface of Outlook App, hr=0x80004002"}, kNoRecords, 0, Server::NoDispatch},
    {"GetNameSpaceFails", {{"Application", "GetNameSpace", kFail}}, Phase::Connect,
     {"Failed to call Outlook.Application GetNameSpace method, hr=0x80004005"}, kNoRecords, 0},
    {"GetNameSpaceFailsOnce", {{"Application", "GetNameSpace", kFail, FaultRepeat::Once}}, Phase::Connect,
     {"Failed to call Outlook.Application GetNameSpace method, hr=0x80004005"}, kEveryItem, kWrittenWithoutFault},
};

const std::vector<Row> kContactRows = {
    {"NoFault", {}, Phase::Connect, {}, kEveryItem, kWrittenWithoutFault},
    // The contacts adapter is built first, so its folder is the first one opened.
    {"GetDefaultFolderFails", {{"NameSpace", "GetDefaultFolder", kFail, FaultRepeat::Once}}, Phase::Connect, {},
     kNoRecords, 0},
    {"FolderNameUnreadable", {{"Folder", "Name", kException}}, Phase::Connect,
     {"Failed to get the name of the Contact folder. hr=0x80020009"}, kEveryItem, kWrittenWithoutFault},
    {"FolderStoreIdUnreadable", {{"Folder", "StoreID", kException}}, Phase::Connect,
     {"Failed to get the StoreID of the Contact folder. hr=0x80020009"}, kEveryItem, kWrittenWithoutFault},
    {"ItemsUnreadableWhileLoading", {{"Folder", "Items", kFail, FaultRepeat::Once}}, Phase::Connect, {kItemsLine},
     kNoRecords, kWrittenWithoutFault},
    {"ItemsUnreadableWhileAdding", {{"Folder", "Items", kFail}}, Phase::Run, {kItemsLine}, kCannotHappen, 0},
    // The two new contacts are added, then the update of the first finds no Items.
    {"ItemsUnreadableWhileUpdating", {{"Folder", "Items", kFail, FaultRepeat::Once, 2}}, Phase::Run, {kItemsLine},
     kCannotHappen, 2},
    // The first contact is refused, so the third row is no update but a new contact.
    {"AddRefused", {{"Items", "Add", kException}}, Phase::Run, {"Failed to call the \"Add\" method. hr=0x80020009"},
     kCannotHappen, 0},
    {"AddRefusedOnce", {{"Items", "Add", kException, FaultRepeat::Once}}, Phase::Run,
     {"Failed to call the \"Add\" method. hr=0x80020009"}, kCannotHappen, 2},
    // The contact is then found by its EntryID and written all the same.
    {"ItemByPositionFails", {{"Items", "Item", kException}}, Phase::Run,
     {"Failed to get the Contact item by index: {index}. hr=0x80020009"}, kCannotHappen, kWrittenWithoutFault},
    {"ItemByPositionAndWalkFail", {{"Items", "Item", kException}, {"Items", "GetFirst", kFail}}, Phase::Run,
     {"Failed to get the Contact item by index: {index}. hr=0x80020009"}, kCannotHappen, 2},
    {"SaveRefused", {{"ContactItem", "Save", kFail}}, Phase::Run, {"Failed to save the Contact item. hr=0x80004005"},
     kCannotHappen, 0},
    // The export's one column then stays empty, and imported contacts go in without a last name.
    {"PropertyReadFails", {{"ContactItem", "LastName", kException}}, Phase::Connect, {}, kEveryItem,
     kWrittenWithoutFault},
    {"PropertyWriteFails", {{"ContactItem", "Gender", kException}}, Phase::Run, {}, kCannotHappen,
     kWrittenWithoutFault},
    {"UserPropertiesUnreadable", {{"ContactItem", "UserProperties", kFail}}, Phase::Connect,
     {"Failed to get the \"UserProperties\" of contact item, hr=0x80004005."}, kEveryItem, kWrittenWithoutFault},
    {"UserPropertyCountUnreadable", {{"UserProperties", "Count", kFail}}, Phase::Connect,
     {"Failed to get the \"Count\" property of UserProperties collection, hr=0x80004005"}, kEveryItem,
     kWrittenWithoutFault},
    {"UserPropertyUnreachable", {{"UserProperties", "Item", kException}}, Phase::Connect,
     {"One user defined property is not loaded correctly, hr=0x80020009"}, kEveryItem, kWrittenWithoutFault},
    {"UserPropertyNameUnreadable", {{"UserProperty", "Name", kException}}, Phase::Connect,
     {"Failed to get the name of user defined property. hr=0x80020009"}, kEveryItem, kWrittenWithoutFault},
};

using ConnectionFaultRows = FaultRowTest;
using ContactFaultRows = FaultRowTest;

TEST_P(ConnectionFaultRows, AreLoggedAndTheWizardGoesOn) { RunCase(); }
TEST_P(ContactFaultRows, AreLoggedAndTheWizardGoesOn) { RunCase(); }

INSTANTIATE_TEST_SUITE_P(Rows, ConnectionFaultRows, ::testing::ValuesIn(Cases(kContacts, kConnectionRows)), CaseName);
INSTANTIATE_TEST_SUITE_P(Rows, ContactFaultRows, ::testing::ValuesIn(Cases(kContacts, kContactRows)), CaseName);

}  // namespace
}  // namespace fault_rows
