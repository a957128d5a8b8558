// The rows behind the field tables: one row per field says where the field lives in its
// record, how its display text is made and how the duplicate test compares it. The
// tables are data; CommFieldText and CommFieldMatch walk them.
#pragma once

#include "records/CommFieldDef.h"

#include <cstddef>
#include <ctime>
#include <span>
#include <type_traits>

// What a field's display text is made of.
enum class CommFieldShow {
    Refused,             // no text, result false
    Blank,               // empty text, result true
    Text,                // the member's text, cut to fit
    SourceTypeName,      // the name of a contact source; refused when it has none
    DateAndTime,         // automation date as month/day/year and time of day
    VariantDateAndTime,  // automation date as "%02d-%02d-%04d %02d:%02d:%02d"
    TimeOfDay,           // SYSTEMTIME: hour:minute:second
    DateAndTimeOfDay,    // SYSTEMTIME: month/day/year, a space, hour:minute:second
    DayDate,             // SYSTEMTIME: month/day/year
    YesNo,               // "Yes" for non-zero, "No" for zero
    RepeatInfo,          // always "Repeat Info"
    PriorityName,        // "High", "Low" or "Normal"
    DueDate,             // the local date, or "N/A" for a task without a due date
    ColorCode,           // "#%06x"
};

// How the duplicate test compares one field of two records.
enum class CommFieldMatch {
    None,                    // not compared: counts as equal
    TextIgnoringLineBreaks,  // letter case and line breaks ignored (CommCompareText)
    TextIgnoringCase,
    SameDay,                 // year, month and day; the time of day does not count
    SameValue,               // integers, flags and dates exactly equal
};

enum class CommMemberType { None, Text, Long, Byte, Date, SystemTime, TimeT };

struct CommFieldRow {
    LONG nId;
    const char* pszName;
    LONG nType;
    LONG nSize;
    CommMemberType member;
    std::size_t nOffset;  // of the member in its record
    std::size_t nWidth;   // of the member, in bytes
    CommFieldShow show;
    CommFieldMatch match;
};

// One record kind's field table and its display rules.
struct CommKindFields {
    std::span<const CommFieldRow> rows;
    // Contacts refuse a buffer not larger than the row's nSize and ids outside the table;
    // the other kinds take any buffer and show an unknown id as empty text.
    bool bContactRules;
};

namespace comm_field_detail {

template <typename Member>
consteval CommMemberType MemberTypeOf()
{
    if constexpr (std::is_array_v<Member> && std::is_same_v<std::remove_extent_t<Member>, CHAR>)
        return CommMemberType::Text;
    else if constexpr (std::is_same_v<Member, LONG>)
        return CommMemberType::Long;
    else if constexpr (std::is_same_v<Member, BYTE>)
        return CommMemberType::Byte;
    else if constexpr (std::is_same_v<Member, DATE>)
        return CommMemberType::Date;
    else if constexpr (std::is_same_v<Member, SYSTEMTIME>)
        return CommMemberType::SystemTime;
    else if constexpr (std::is_same_v<Member, time_t>)
        return CommMemberType::TimeT;
    else
        static_assert(!sizeof(Member), "no field rule reads this member type");
}

consteval bool ShowFits(CommMemberType member, CommFieldShow show)
{
    using S = CommFieldShow;
    if (show == S::Refused || show == S::Blank)
        return true;
    switch (member) {
    case CommMemberType::None:
        return show == S::RepeatInfo;
    case CommMemberType::Text:
        return show == S::Text;
    case CommMemberType::Long:
        return show == S::SourceTypeName || show == S::YesNo || show == S::PriorityName ||
               show == S::ColorCode;
    case CommMemberType::Byte:
        return show == S::YesNo;
    case CommMemberType::Date:
        return show == S::DateAndTime || show == S::VariantDateAndTime;
    case CommMemberType::SystemTime:
        return show == S::TimeOfDay || show == S::DateAndTimeOfDay || show == S::DayDate;
    case CommMemberType::TimeT:
        return show == S::DueDate;
    }
    return false;
}

consteval bool MatchFits(CommMemberType member, CommFieldMatch match)
{
    using M = CommFieldMatch;
    if (match == M::None)
        return true;
    switch (member) {
    case CommMemberType::Text:
        return match == M::TextIgnoringLineBreaks || match == M::TextIgnoringCase;
    case CommMemberType::SystemTime:
        return match == M::SameDay;
    case CommMemberType::Long:
    case CommMemberType::Byte:
    case CommMemberType::Date:
    case CommMemberType::TimeT:
        return match == M::SameValue;
    case CommMemberType::None:
        return false;
    }
    return false;
}

consteval CommFieldRow CheckedRow(const CommFieldRow& row)
{
    if (!ShowFits(row.member, row.show) || !MatchFits(row.member, row.match))
        throw "the field's display or match rule does not fit its member";
    return row;
}

}  // namespace comm_field_detail

// A row for a record member; rules that do not fit the member's type fail to compile.
template <typename Member>
consteval CommFieldRow MakeFieldRow(LONG nId, const char* pszName, LONG nType, LONG nSize,
                                    std::size_t nOffset, CommFieldShow show, CommFieldMatch match)
{
    return comm_field_detail::CheckedRow({nId, pszName, nType, nSize,
                                          comm_field_detail::MemberTypeOf<Member>(), nOffset,
                                          sizeof(Member), show, match});
}

// A row that reads no member.
consteval CommFieldRow MakeFixedRow(LONG nId, const char* pszName, LONG nType, LONG nSize,
                                    CommFieldShow show)
{
    return comm_field_detail::CheckedRow(
        {nId, pszName, nType, nSize, CommMemberType::None, 0, 0, show, CommFieldMatch::None});
}

// Builds a row for member of record type Rec; the member may be an array element.
#define COMM_FIELD_ROW(Rec, nId, pszName, nType, nSize, member, show, match)                     \
    MakeFieldRow<std::remove_cvref_t<decltype(Rec::member)>>(nId, pszName, nType, nSize,        \
                                                             offsetof(Rec, member), show, match)
