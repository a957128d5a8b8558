#include "common/outlook/OlItemStateKinds.h"

#include "common/outlook/OlAddrProps.h"
#include "common/outlook/OlDateProps.h"
#include "common/outlook/OlNoteProps.h"
#include "common/outlook/OlTaskProps.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace {

// Outlook documents these as read-only; the adapters write them all the same and their puts
// fail, so they change nothing and are never put back.
constexpr platform::OleStringView kReadOnly[] = {OLESTR("IsRecurring"), OLESTR("ResponseState")};

bool IsReadOnly(platform::OleStringView name)
{
    return std::find(std::begin(kReadOnly), std::end(kReadOnly), name) != std::end(kReadOnly);
}

OlRowList WrittenRows(std::initializer_list<OlPropTable> tables)
{
    OlRowList rows;
    for (const OlPropTable table : tables) {
        for (const OlPropDef& row : table) {
            const platform::OleStringView name = row.szName;
            const bool bListed = std::any_of(rows.begin(), rows.end(),
                                             [&](const OlPropDef* pRow) { return name == pRow->szName; });
            if ((row.nAccess & OL_WRITE) != 0 && !bListed && !IsReadOnly(name))
                rows.push_back(&row);
        }
    }
    return rows;
}

std::vector<TOlStateKind> BuildKinds()
{
    std::vector<TOlStateKind> kinds;
    // Outlook makes the full name of the name parts, and the e-mail display names of the full
    // name: the parts go back first, so that a full name made of them is as it was without a
    // put of its own, and the e-mail fields follow the full name.
    kinds.push_back({2, "contact", WrittenRows({AddrItemProperties()}), {}, true,
                     {OLESTR("FirstName"), OLESTR("MiddleName"), OLESTR("LastName"), OLESTR("FullName")}});
    // Turning AllDayEvent on stretches the appointment to whole days, Start moves End and
    // Duration sets it: in this order the three come back as they were. Which reminder the
    // adapter writes depends on the Outlook version, so both are kept.
    kinds.push_back({1, "appointment",
                     WrittenRows({DateLeadingProps(), DateReminderProps(true), DateReminderProps(false),
                                  DateTextProps()}),
                     WrittenRows({DatePatternProps()}), false,
                     {OLESTR("AllDayEvent"), OLESTR("Start"), OLESTR("Duration")}});
    kinds.push_back({3, "task",
                     WrittenRows({TaskLeadingWriteProps(), TaskReminderWriteProps(), TaskTrailingWriteProps()}),
                     WrittenRows({TaskPatternProps()}), false, {}});
    kinds.push_back({5, "note", WrittenRows({NoteItemProps()}), {}, false, {}});
    return kinds;
}

}  // namespace

const TOlStateKind* FindStateKind(LONG nItemType)
{
    static const std::vector<TOlStateKind> kinds = BuildKinds();
    const auto found = std::find_if(kinds.begin(), kinds.end(),
                                    [&](const TOlStateKind& kind) { return kind.nItemType == nItemType; });
    return found == kinds.end() ? nullptr : &*found;
}

const OlPropDef* FindRow(const OlRowList& rows, std::string_view name)
{
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const OlPropDef* pRow) {
        const platform::OleStringView rowName = pRow->szName;
        return std::equal(rowName.begin(), rowName.end(), name.begin(), name.end(),
                          [](OLECHAR unit, char c) { return unit == static_cast<unsigned char>(c); });
    });
    return found == rows.end() ? nullptr : *found;
}

std::string RowName(const OlPropDef& row)
{
    const platform::OleStringView name = row.szName;
    return std::string(name.begin(), name.end());
}
