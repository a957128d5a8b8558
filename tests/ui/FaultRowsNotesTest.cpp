// The failure rows of the notes adapter, met by the wizard.
#include "FaultRows.h"

namespace fault_rows {
namespace {

using olsim::FaultRepeat;

constexpr HRESULT kFail = E_FAIL;
constexpr HRESULT kException = DISP_E_EXCEPTION;

// A note's key is its subject and its compare field the body.
const Kind kNotes = {
    FLAG_NOTE,
    "notes",
    {"Color"},
    {"Subject", "Body"},
    "\"Shopping\",\"milk\"\r\n"
    "\"Garden\",\"roses\"\r\n"
    "\"Shopping\",\"bread\"\r\n",
    [](int nItemsBefore) { return nItemsBefore; },
    "No note record is selected. Please select the records you want to convert.",
};

const std::string kItemsLine = "Failed to get the \"Items\" property of the Notes folder. hr=0x80004005";

const std::vector<Row> kNoteRows = {
    {"NoFault", {}, Phase::Connect, {}, kEveryItem, kWrittenWithoutFault},
    // The notes adapter is built last.
    {"GetDefaultFolderFails", {{"NameSpace", "GetDefaultFolder", kFail, FaultRepeat::Once, 3}}, Phase::Connect, {},
     kNoRecords, 0},
    {"FolderNameUnreadable", {{"Folder", "Name", kException}}, Phase::Connect,
     {"Failed to get the name of the folder. hr=0x80020009"}, kEveryItem, kWrittenWithoutFault},
    {"ItemsUnreadableWhileLoading", {{"Folder", "Items", kFail, FaultRepeat::Once}}, Phase::Connect, {kItemsLine},
     kNoRecords, kWrittenWithoutFault},
    {"ItemsUnreadableWhileAdding", {{"Folder", "Items", kFail}}, Phase::Run, {kItemsLine}, kCannotHappen, 0},
    {"ItemsUnreadableWhileUpdating", {{"Folder", "Items", kFail, FaultRepeat::Once, 2}}, Phase::Run, {kItemsLine},
     kCannotHappen, 2},
    {"AddRefused", {{"Items", "Add", kException}}, Phase::Run,
     {"Failed to call the \"Add\" method to add notes item. hr=0x80020009"}, kCannotHappen, 0},
    {"AddRefusedOnce", {{"Items", "Add", kException, FaultRepeat::Once}}, Phase::Run,
     {"Failed to call the \"Add\" method to add notes item. hr=0x80020009"}, kCannotHappen, 2},
    {"ItemByPositionFails", {{"Items", "Item", kException}}, Phase::Run,
     {"Failed to get the notes item by index: {index}. hr=0x80020009"}, kCannotHappen, kWrittenWithoutFault},
    {"ItemByPositionAndWalkFail", {{"Items", "Item", kException}, {"Items", "GetFirst", kFail}}, Phase::Run,
     {"Failed to get the notes item by index: {index}. hr=0x80020009"}, kCannotHappen, 2},
    {"SaveRefused", {{"NoteItem", "Save", kFail}}, Phase::Run, {"Failed to save the Notes item. hr=0x80004005"},
     kCannotHappen, 0},
    {"PropertyReadFails", {{"NoteItem", "Color", kException}}, Phase::Connect, {}, kEveryItem,
     kWrittenWithoutFault},
    {"PropertyWriteFails", {{"NoteItem", "Color", kException}}, Phase::Run, {}, kCannotHappen,
     kWrittenWithoutFault},
};

using NoteFaultRows = FaultRowTest;

TEST_P(NoteFaultRows, AreLoggedAndTheWizardGoesOn) { RunCase(); }

INSTANTIATE_TEST_SUITE_P(Rows, NoteFaultRows, ::testing::ValuesIn(Cases(kNotes, kNoteRows)), CaseName);

}  // namespace
}  // namespace fault_rows
