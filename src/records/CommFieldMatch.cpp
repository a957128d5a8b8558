#include "records/CommFieldMatch.h"

#include "records/CommFieldAccess.h"

namespace {

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool TextsEqualIgnoringCase(std::string_view text1, std::string_view text2)
{
    if (text1.size() != text2.size())
        return false;
    for (std::size_t i = 0; i < text1.size(); ++i) {
        if (UpperAscii(text1[i]) != UpperAscii(text2[i]))
            return false;
    }
    return true;
}

struct Day {
    WORD wYear;
    WORD wMonth;
    WORD wDay;
};

Day DayOf(const CommFieldRow& row, const void* pRec)
{
    const auto st = CommReadMember<SYSTEMTIME>(row, pRec);
    return {st.wYear, st.wMonth, st.wDay};
}

bool SameValue(const CommFieldRow& row, const void* pRec1, const void* pRec2)
{
    switch (row.member) {
    case CommMemberType::Long:
        return CommReadMember<LONG>(row, pRec1) == CommReadMember<LONG>(row, pRec2);
    case CommMemberType::Byte:
        return CommReadMember<BYTE>(row, pRec1) == CommReadMember<BYTE>(row, pRec2);
    case CommMemberType::Date:
        return CommReadMember<DATE>(row, pRec1) == CommReadMember<DATE>(row, pRec2);
    case CommMemberType::TimeT:
        return CommReadMember<time_t>(row, pRec1) == CommReadMember<time_t>(row, pRec2);
    case CommMemberType::None:
    case CommMemberType::Text:
    case CommMemberType::SystemTime:
        break;
    }
    return true;
}

template <typename T>
void AppendBytes(std::string& key, const T& value)
{
    key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AppendValueKey(const CommFieldRow& row, const void* pRec, std::string& key)
{
    switch (row.member) {
    case CommMemberType::Long:
        AppendBytes(key, CommReadMember<LONG>(row, pRec));
        break;
    case CommMemberType::Byte:
        AppendBytes(key, CommReadMember<BYTE>(row, pRec));
        break;
    case CommMemberType::Date: {
        // -0.0 equals 0.0 but has other bytes.
        const DATE date = CommReadMember<DATE>(row, pRec);
        AppendBytes(key, date == 0.0 ? 0.0 : date);
        break;
    }
    case CommMemberType::TimeT:
        AppendBytes(key, CommReadMember<time_t>(row, pRec));
        break;
    case CommMemberType::None:
    case CommMemberType::Text:
    case CommMemberType::SystemTime:
        break;
    }
}

// The walk of CompareText, on texts that need not be terminated.
bool TextsEqualIgnoringLineBreaks(std::string_view text1, std::string_view text2)
{
    std::size_t pos1 = 0;
    std::size_t pos2 = 0;
    // A position at the end reads as NUL, as in a terminated text.
    const auto at = [](std::string_view text, std::size_t pos) { return pos < text.size() ? text[pos] : '\0'; };
    while (pos1 < text1.size() && pos2 < text2.size()) {
        while (pos1 < text1.size() && IsLineBreak(text1[pos1]))
            ++pos1;
        while (pos2 < text2.size() && IsLineBreak(text2[pos2]))
            ++pos2;
        if (UpperAscii(at(text1, pos1)) != UpperAscii(at(text2, pos2)))
            return false;
        if (pos1 == text1.size() && pos2 == text2.size())
            return true;
        ++pos1;
        ++pos2;
    }
    return pos1 == text1.size() && pos2 == text2.size();
}

bool FieldEqual(const CommFieldRow& row, const void* pRec1, const void* pRec2)
{
    switch (row.match) {
    case CommFieldMatch::None:
        return true;
    case CommFieldMatch::TextIgnoringLineBreaks:
        return TextsEqualIgnoringLineBreaks(CommMemberText(row, pRec1), CommMemberText(row, pRec2));
    case CommFieldMatch::TextIgnoringCase:
        return TextsEqualIgnoringCase(CommMemberText(row, pRec1), CommMemberText(row, pRec2));
    case CommFieldMatch::SameDay: {
        const Day day1 = DayOf(row, pRec1);
        const Day day2 = DayOf(row, pRec2);
        return day1.wYear == day2.wYear && day1.wMonth == day2.wMonth && day1.wDay == day2.wDay;
    }
    case CommFieldMatch::SameValue:
        return SameValue(row, pRec1, pRec2);
    }
    return true;
}

// Texts hold no NUL, so a NUL ends each text field unambiguously.
constexpr char kTextEnd = '\0';

void AppendFieldKey(const CommFieldRow& row, const void* pRec, std::string& key)
{
    switch (row.match) {
    case CommFieldMatch::None:
        break;
    case CommFieldMatch::TextIgnoringLineBreaks: {
        const std::string_view text = CommMemberText(row, pRec);
        for (const char c : text) {
            if (!IsLineBreak(c))
                key.push_back(UpperAscii(c));
        }
        key.push_back(kTextEnd);
        // Whether the text ends in line breaks is the one thing about them that counts.
        key.push_back(!text.empty() && IsLineBreak(text.back()) ? '1' : '0');
        break;
    }
    case CommFieldMatch::TextIgnoringCase:
        for (const char c : CommMemberText(row, pRec))
            key.push_back(UpperAscii(c));
        key.push_back(kTextEnd);
        break;
    case CommFieldMatch::SameDay: {
        const Day day = DayOf(row, pRec);
        AppendBytes(key, day.wYear);
        AppendBytes(key, day.wMonth);
        AppendBytes(key, day.wDay);
        break;
    }
    case CommFieldMatch::SameValue:
        AppendValueKey(row, pRec, key);
        break;
    }
}

}  // namespace

int CommCompareText(const char* szText1, const char* szText2)
{
    if (szText1 == nullptr || szText2 == nullptr)
        return 1;
    return TextsEqualIgnoringLineBreaks(szText1, szText2) ? 0 : 1;
}

bool CommFieldsEqual(std::span<const CommFieldRow* const> rows, const void* pRec1, const void* pRec2)
{
    if (pRec1 == nullptr || pRec2 == nullptr || rows.empty())
        return false;
    for (const CommFieldRow* row : rows) {
        if (!FieldEqual(*row, pRec1, pRec2))
            return false;
    }
    return true;
}

bool CommTextKeysEmpty(std::span<const CommFieldRow* const> rows, const void* pRec)
{
    bool bHasText = false;
    for (const CommFieldRow* row : rows) {
        if (row->member != CommMemberType::Text)
            continue;
        bHasText = true;
        if (!CommMemberText(*row, pRec).empty())
            return false;
    }
    return bHasText;
}

void CommMakeMatchKey(std::span<const CommFieldRow* const> rows, const void* pRec, std::string& key)
{
    key.clear();
    for (const CommFieldRow* row : rows)
        AppendFieldKey(*row, pRec, key);
}
