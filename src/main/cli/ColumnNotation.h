// The columns of --fields: field names of the kind, written as the field page shows them
// (in any case), and the custom columns of the wizard's Field Properties dialog written as
//   @NAME     a copy of the field NAME
//   #seq:N    a sequence number starting from N
//   =TEXT     a fixed text
//   - / None  a column of nothing, which an import uses to skip a column of the file
// separated by commas; an item in double quotes may hold commas ("" for a double quote).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TConvKind;
class TColumnList;

struct TColumnProblem {
    bool bUnknownField;  // a name that is no field of the kind; otherwise the list is miswritten
    std::string message;
};

// The items of a column list, unquoted and without the blanks around them; none for a list
// whose quotes do not close or are followed by more than blanks before the next comma.
std::optional<std::vector<std::string>> SplitColumnList(std::string_view text);

// Appends the columns the list names to columns; on a problem columns hold the columns
// before the one it names. szKindName names the kind in messages.
std::optional<TColumnProblem> AddNotatedColumns(const TConvKind& kind, const char* szKindName, std::string_view text,
                                                TColumnList& columns);
