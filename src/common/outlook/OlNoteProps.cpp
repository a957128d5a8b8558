#include "common/outlook/OlNoteProps.h"

#include "common/outlook/OlNoteItem.h"
#include "records/CommNoteRec.h"

namespace {

using K = OlPropKind;

const OlPropDef kItemProps[] = {
    {OLESTR("EntryID"), K::Text, OL_READ, OL_MEMBER(OlNoteItem, EntryID), 0, OL_NO_RECORD},
    {OLESTR("Subject"), K::Text, OL_READ, OL_MEMBER(OlNoteItem, Subject), 0, OL_NO_RECORD},
    {OLESTR("Body"), K::Text, OL_READ_WRITE, OL_MEMBER(OlNoteItem, Body), 0, OL_NO_RECORD},
    {OLESTR("Categories"), K::Text, OL_READ_WRITE, OL_MEMBER(OlNoteItem, Categories), 0, OL_NO_RECORD},
    {OLESTR("CreationTime"), K::Date, OL_READ, OL_MEMBER(OlNoteItem, CreationTime), 0, OL_NO_RECORD},
    {OLESTR("LastModificationTime"), K::Date, OL_READ, OL_MEMBER(OlNoteItem, LastModificationTime), 0, OL_NO_RECORD},
    {OLESTR("Saved"), K::Bool, OL_READ, OL_MEMBER(OlNoteItem, Saved), 0, OL_NO_RECORD},
    {OLESTR("Color"), K::Long, OL_READ_WRITE, OL_MEMBER(OlNoteItem, Color), 0, OL_NO_RECORD},
};

// Texts travel with at most one byte less than their width either way (254 for subject and
// categories, 20478 for the body): both sides of those rows are given one byte narrower.
constexpr std::size_t kShortText = 255;
constexpr std::size_t kShortBody = 20479;
// The record keeps the first 30 characters of the EntryID.
constexpr std::size_t kIdWidth = 31;

const OlPropDef kCarriedProps[] = {
    {OLESTR("Subject"), K::Text, OL_CARRY, offsetof(OlNoteItem, Subject), kShortText, 0,
     offsetof(CommNoteRec, szSubject), kShortText},
    {OLESTR("Body"), K::Text, OL_CARRY, offsetof(OlNoteItem, Body), kShortBody, 0, offsetof(CommNoteRec, szNote),
     kShortBody},
    {OLESTR("Categories"), K::Text, OL_CARRY, offsetof(OlNoteItem, Categories), kShortText, 0,
     offsetof(CommNoteRec, szCategory), kShortText},
    {OLESTR("Color"), K::Long, OL_CARRY, OL_MEMBER(OlNoteItem, Color), 0, OL_MEMBER(CommNoteRec, nColor)},
    {OLESTR("CreationTime"), K::Date, OL_TO_RECORD, OL_MEMBER(OlNoteItem, CreationTime), 0,
     OL_MEMBER(CommNoteRec, dCreationTime)},
    {OLESTR("LastModificationTime"), K::Date, OL_TO_RECORD, OL_MEMBER(OlNoteItem, LastModificationTime), 0,
     OL_MEMBER(CommNoteRec, dLastModificationTime)},
    {OLESTR("EntryID"), K::Text, OL_TO_RECORD, OL_MEMBER(OlNoteItem, EntryID), 0, offsetof(CommNoteRec, szId),
     kIdWidth},
};

}  // namespace

OlPropTable NoteItemProps() { return kItemProps; }
OlPropTable NoteCarriedProps() { return kCarriedProps; }
