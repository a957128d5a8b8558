#include "main/cli/CliKinds.h"

#include "main/cli/CliText.h"
#include "main/engine/Apputil.h"
#include "records/CommAddrMgr.h"
#include "records/CommDateMgr.h"
#include "records/CommNoteMgr.h"
#include "records/CommTaskMgr.h"

#include <initializer_list>
#include <iterator>

namespace {

// Longest caption a dry-run line shows.
constexpr std::size_t kCaptionBytes = 60;
// Display texts of record fields are cut to this buffer, as on the record page.
constexpr int kFieldTextSize = 1024;

template <class TMgr, class TRec, LONG... nIds>
std::string RecordCaption(const void* pRec)
{
    std::string caption;
    for (const LONG nId : {nIds...}) {
        CommFieldDef def{};
        char szText[kFieldTextSize] = "";
        if (!TMgr::GetFieldDef(nId, &def))
            continue;
        TMgr::GetFieldText(static_cast<const TRec*>(pRec), &def, szText, sizeof szText);
        if (szText[0] == '\0')
            continue;
        if (!caption.empty())
            caption += ' ';
        caption += szText;
    }
    return OneLine(caption, kCaptionBytes);
}

// The record manager ids of the columns the record pages show first.
const TCliKind kCliKinds[] = {
    {"contacts", FLAG_ADDR, "No contact record is selected. Please select the records you want to convert.",
     &RecordCaption<CommAddrMgr, CommAddrRec, 1, 3>},
    {"calendar", FLAG_DATE, "No calendar record is selected. Please select the records you want to convert.",
     &RecordCaption<CommDateMgr, CommDateRec, 1>},
    {"tasks", FLAG_TASK, "No task record is selected. Please select the records you want to convert.",
     &RecordCaption<CommTaskMgr, CommTaskRec, 0>},
    {"notes", FLAG_NOTE, "No note record is selected. Please select the records you want to convert.",
     &RecordCaption<CommNoteMgr, CommNoteRec, 3>},
};

}  // namespace

std::span<const TCliKind> CliKinds() { return kCliKinds; }

const TCliKind* FindCliKind(std::string_view name)
{
    for (const TCliKind& kind : kCliKinds) {
        if (EqualsIgnoringCase(kind.szName, name))
            return &kind;
    }
    return nullptr;
}

std::string CliKindNames()
{
    std::string names;
    const std::size_t nCount = std::size(kCliKinds);
    for (std::size_t nKind = 0; nKind < nCount; ++nKind) {
        if (nKind > 0)
            names += nKind + 1 == nCount ? " or " : ", ";
        names += kCliKinds[nKind].szName;
    }
    return names;
}
