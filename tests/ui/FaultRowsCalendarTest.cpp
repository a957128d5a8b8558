// The failure rows of the calendar adapter, met by the wizard.
#include "FaultRows.h"

namespace fault_rows {
namespace {

using olsim::FaultRepeat;

constexpr HRESULT kFail = E_FAIL;
constexpr HRESULT kException = DISP_E_EXCEPTION;

// CSV rows carry no times, so the third matches the first by its subject and differs in its
// location.
const Kind kCalendar = {
    FLAG_DATE,
    "appointments",
    {"Subject"},
    {"Subject", "Location"},
    "\"Review\",\"Room 1\"\r\n"
    "\"Lunch\",\"Canteen\"\r\n"
    "\"Review\",\"Room 2\"\r\n",
    [](int nItemsBefore) { return nItemsBefore; },
    "No calendar record is selected. Please select the records you want to convert.",
};

const std::string kAddItemsLine = "Failed to get the \"Items\" property of the Calendar folder. hr=0x80004005";

const std::vector<Row> kCalendarRows = {
    {"NoFault", {}, Phase::Connect, {}, kEveryItem, kWrittenWithoutFault},
    // The calendar adapter is built second.
    {"GetDefaultFolderFails", {{"NameSpace", "GetDefaultFolder", kFail, FaultRepeat::Once, 1}}, Phase::Connect,
     {"Failed to call \"GetDefaultFolder\" method. hr=0x80004005"}, kNoRecords, 0},
    {"FolderNameUnreadable", {{"Folder", "Name", kException}}, Phase::Connect,
     {"Failed to get the name of the folder. hr=0x80020009"}, kEveryItem, kWrittenWithoutFault},
    {"FolderStoreIdUnreadable", {{"Folder", "StoreID", kException}}, Phase::Connect,
     {"Failed to get the StoreID of the Calendar folder. hr=0x80020009"}, kEveryItem, kWrittenWithoutFault},
    {"ItemsUnreadableWhileLoading", {{"Folder", "Items", kFail, FaultRepeat::Once}}, Phase::Connect,
     {"Failed to get Calendar Items property."}, kNoRecords, kWrittenWithoutFault},
    {"ItemsUnreadableWhileAdding", {{"Folder", "Items", kFail}}, Phase::Run, {kAddItemsLine}, kCannotHappen, 0},
    {"ItemsUnreadableWhileUpdating", {{"Folder", "Items", kFail, FaultRepeat::Once, 2}}, Phase::Run,
     {"Failed to get the \"Items\" property of the Calendar folder."}, kCannotHappen, 2},
    {"AddRefused", {{"Items", "Add", kException}}, Phase::Run, {"Failed to call \"Add\" method. hr=0x80020009"},
     kCannotHappen, 0},
    {"AddRefusedOnce", {{"Items", "Add", kException, FaultRepeat::Once}}, Phase::Run,
     {"Failed to call \"Add\" method. hr=0x80020009"}, kCannotHappen, 2},
    {"ItemByPositionFails", {{"Items", "Item", kException}}, Phase::Run,
     {"Failed to get the Calendar event item by index: {index}. hr=0x80020009"}, kCannotHappen,
     kWrittenWithoutFault},
    {"ItemByPositionAndWalkFail", {{"Items", "Item", kException}, {"Items", "GetFirst", kFail}}, Phase::Run,
     {"Failed to get the Calendar event item by index: {index}. hr=0x80020009"}, kCannotHappen, 2},
    {"SaveRefused", {{"AppointmentItem", "Save", kFail}}, Phase::Run,
     {"Failed to save the Calendar item. hr=0x80004005"}, kCannotHappen, 0},
    {"PropertyReadFails", {{"AppointmentItem", "Subject", kException}}, Phase::Connect, {}, kEveryItem,
     kWrittenWithoutFault},
    {"PropertyWriteFails", {{"AppointmentItem", "Duration", kException}}, Phase::Run, {}, kCannotHappen,
     kWrittenWithoutFault},
    // Writing never asks for a pattern: CSV rows carry none.
    {"GetRecurrencePatternFails", {{"AppointmentItem", "GetRecurrencePattern", kException}}, Phase::Connect, {},
     kEveryItem, kWrittenWithoutFault},
};

using CalendarFaultRows = FaultRowTest;

TEST_P(CalendarFaultRows, AreLoggedAndTheWizardGoesOn) { RunCase(); }

INSTANTIATE_TEST_SUITE_P(Rows, CalendarFaultRows, ::testing::ValuesIn(Cases(kCalendar, kCalendarRows)), CaseName);

}  // namespace
}  // namespace fault_rows
