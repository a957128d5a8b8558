// The state of an Outlook item as far as an import can change it, so that an import can be
// taken back: read before the adapters write over the item, kept as text, and put back.
//
// The properties are those the kind's adapters write (their OL_WRITE rows, read-only ones
// left out), the user properties those of the kinds whose adapter writes some (contacts), and
// the recurrence pattern that of the kinds whose adapter writes one (appointments). A
// property the item does not have (an appointment's ReminderTime, which only some Outlook
// versions' adapter writes) is not kept: no write can change it either.
#pragma once

#include "platform/WinCompat.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

class CDispCmd;

// A value as Outlook gave it: a text (UTF-8), a date, a long or a flag.
using TOlValue = std::variant<std::string, DATE, LONG, bool>;

// One saved value: a property (or pattern property, or user property) as Outlook gave it.
struct TOlSavedValue {
    std::string name;
    TOlValue value;

    bool operator==(const TOlSavedValue&) const = default;
};

struct TOlSavedUserProperty {
    std::string name;
    LONG nType = 1;  // OlUserPropertyType
    TOlValue value;

    bool operator==(const TOlSavedUserProperty&) const = default;
};

struct TOlItemState {
    std::vector<TOlSavedValue> properties;             // in the adapters' write order
    std::vector<TOlSavedUserProperty> userProperties;  // all of the item's, in its order
    bool bRecurring = false;
    std::vector<TOlSavedValue> pattern;  // the pattern properties the adapter writes, when recurring

    bool operator==(const TOlItemState&) const = default;
};

// nItemType: Outlook's OlItemType (1 appointment, 2 contact, 3 task, 5 note). False, with
// the reason in the log (a value that cannot be read at nFailureLevel), when the kind is none
// of these or a value cannot be read; state is then left as it was.
bool ReadItemState(CDispCmd& item, LONG nItemType, TOlItemState& state, int nFailureLevel = 0);

// Puts the state back into the item and saves it: every property (an empty text and a
// "none" date too, so that what an import filled in is cleared), the user properties as
// they were (values put, those added since removed, those missing added with their type),
// the pattern restored or cleared. A property that cannot be put does not stop the others,
// and the item is saved with what went back. False, each failure named in the log, when
// anything could not be put or the save failed.
bool RestoreItemState(CDispCmd& item, LONG nItemType, const TOlItemState& state);

// A compact text for a database column, and its reverse. DecodeItemState takes nothing but
// what EncodeItemState makes: on any other text it returns false and leaves state as it was.
std::string EncodeItemState(const TOlItemState& state);
bool DecodeItemState(std::string_view text, TOlItemState& state);
