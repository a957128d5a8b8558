// The failure rows of the tasks adapter, met by the wizard.
#include "FaultRows.h"

namespace fault_rows {
namespace {

using olsim::FaultRepeat;

constexpr HRESULT kFail = E_FAIL;
constexpr HRESULT kException = DISP_E_EXCEPTION;

// A task's key is its subject and it compares by priority; CSV rows carry normal priority, so
// the third row updates the second sample task, a high-priority one.
const Kind kTasks = {
    FLAG_TASK,
    "tasks",
    {"Subject"},
    {"Subject", "Notes"},
    "\"Buy milk\",\"two litres\"\r\n"
    "\"Order paper\",\"A4\"\r\n"
    "\"Prepare the trade fair stand\",\"stand booked\"\r\n",
    [](int) { return 1; },
    "No task record is selected. Please select the records you want to convert.",
};

const std::string kItemsLine = "Failed to get the \"Items\" property of the Task folder. hr=0x80004005";

const std::vector<Row> kTaskRows = {
    {"NoFault", {}, Phase::Connect, {}, kEveryItem, kWrittenWithoutFault},
    // The tasks adapter is built third.
    {"GetDefaultFolderFails", {{"NameSpace", "GetDefaultFolder", kFail, FaultRepeat::Once, 2}}, Phase::Connect, {},
     kNoRecords, 0},
    {"FolderNameUnreadable", {{"Folder", "Name", kException}}, Phase::Connect,
     {"Failed to get the name of the folder. hr=0x80020009"}, kEveryItem, kWrittenWithoutFault},
    // Nothing loaded, the third row is a new task.
    {"ItemsUnreadableWhileLoading", {{"Folder", "Items", kFail, FaultRepeat::Once}}, Phase::Connect, {kItemsLine},
     kNoRecords, kWrittenWithoutFault},
    // The update of the sample task meets the same refusal.
    {"ItemsUnreadableWhileAdding", {{"Folder", "Items", kFail}}, Phase::Run, {kItemsLine}, kCannotHappen, 0},
    {"ItemsUnreadableWhileUpdating", {{"Folder", "Items", kFail, FaultRepeat::Once, 2}}, Phase::Run, {kItemsLine},
     kCannotHappen, 2},
    // The third row updates and adds nothing.
    {"AddRefused", {{"Items", "Add", kException}}, Phase::Run, {"Failed to call the \"Add\" method. hr=0x80020009"},
     kCannotHappen, 1},
    {"AddRefusedOnce", {{"Items", "Add", kException, FaultRepeat::Once}}, Phase::Run,
     {"Failed to call the \"Add\" method. hr=0x80020009"}, kCannotHappen, 2},
    {"ItemByPositionFails", {{"Items", "Item", kException}}, Phase::Run,
     {"Failed to get the item by index: {index}. hr=0x80020009"}, kCannotHappen, kWrittenWithoutFault},
    {"ItemByPositionAndWalkFail", {{"Items", "Item", kException}, {"Items", "GetFirst", kFail}}, Phase::Run,
     {"Failed to get the item by index: {index}. hr=0x80020009"}, kCannotHappen, 2},
    {"SaveRefused", {{"TaskItem", "Save", kFail}}, Phase::Run, {"Failed to save the Task item. hr=0x80004005"},
     kCannotHappen, 0},
    // No sample task then has a subject, so the third row is a new task.
    {"PropertyReadFails", {{"TaskItem", "Subject", kException}}, Phase::Connect, {}, kEveryItem,
     kWrittenWithoutFault},
    {"PropertyWriteFails", {{"TaskItem", "Ordinal", kException}}, Phase::Run, {}, kCannotHappen,
     kWrittenWithoutFault},
    {"GetRecurrencePatternFails", {{"TaskItem", "GetRecurrencePattern", kException}}, Phase::Connect, {},
     kEveryItem, kWrittenWithoutFault},
};

using TaskFaultRows = FaultRowTest;

TEST_P(TaskFaultRows, AreLoggedAndTheWizardGoesOn) { RunCase(); }

INSTANTIATE_TEST_SUITE_P(Rows, TaskFaultRows, ::testing::ValuesIn(Cases(kTasks, kTaskRows)), CaseName);

}  // namespace
}  // namespace fault_rows
