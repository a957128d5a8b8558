#include "common/outlook/OlNoteUtil.h"

#include "common/outlook/OlItemAdapterImpl.h"
#include "common/outlook/OlNoteProps.h"

template <>
struct OlKindHooks<OlKind::Notes> {
    static void GetProperties(CDispCmd& item, OlNoteItem& image)
    {
        ReadItemProperties(item, NoteItemProps(), &image);
    }

    static void PutProperties(CDispCmd& item, const OlNoteItem& image)
    {
        WriteItemProperties(item, NoteItemProps(), &image);
    }

    static void FillRecord(const OlNoteItem& image, CommNoteRec& rec)
    {
        CopyImageToRecord(NoteCarriedProps(), &image, &rec);
        rec.nSource = OL_SOURCE_OUTLOOK;
    }

    // Every image field but subject, body, categories and colour keeps its value.
    static void FillImage(const CommNoteRec& rec, OlNoteItem& image)
    {
        CopyRecordToImage(NoteCarriedProps(), &rec, &image);
    }
};

template class OlItemAdapter<OlNoteUtil, OlKind::Notes, OlNoteItem, CommNoteRec, CommNoteMgr>;
