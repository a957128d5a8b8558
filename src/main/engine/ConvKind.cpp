#include "main/engine/ConvKind.h"

#include "common/outlook/OlAddrUtil.h"
#include "common/outlook/OlDateUtil.h"
#include "common/outlook/OlItemSupport.h"
#include "common/outlook/OlNoteUtil.h"
#include "common/outlook/OlTaskUtil.h"
#include "main/engine/Apputil.h"

#include <iterator>
#include <memory>

namespace {

// The glue of one adapter: its record and image types meet the untyped rows here.
template <class TUtil, class TRec, class TImage>
struct TKindGlue {
    static const TImage* ImageOf(const void* pRec)
    {
        return pRec ? NativeImage<TImage>(*static_cast<const TRec*>(pRec)) : nullptr;
    }

    static bool HasImage(const void* pRec) { return ImageOf(pRec) != nullptr; }

    static const char* GetRecordText(const void* pRec, unsigned nId)
    {
        const TImage* pImage = ImageOf(pRec);
        if (pImage == nullptr)
            return nullptr;
        const char* szText = TUtil::GetFieldText(pImage, nId);
        return szText ? szText : "";
    }

    static TFieldStore StoreFieldText(unsigned nId, const char* szText, void* pRec)
    {
        return TUtil::StoreFieldText(nId, szText, static_cast<TRec*>(pRec));
    }

    // A null text stores nothing, so a record of the kind only answers whether it would.
    static bool ImportsField(unsigned nId)
    {
        const auto pProbe = std::make_unique<TRec>();
        return TUtil::SetFieldText(nId, nullptr, pProbe.get());
    }

    static constexpr TConvKind Row(int nFlag, const char* szAppName)
    {
        return {nFlag, szAppName, sizeof(TRec), &TUtil::GetFieldCount, &TUtil::GetFieldDef, &HasImage,
                &GetRecordText, &StoreFieldText, &ImportsField};
    }
};

const TConvKind kConvKinds[] = {
    TKindGlue<OlAddrUtil, CommAddrRec, OlAddrItem>::Row(FLAG_ADDR, "Contacts"),
    TKindGlue<OlDateUtil, CommDateRec, OlDateItem>::Row(FLAG_DATE, "Calendar"),
    TKindGlue<OlTaskUtil, CommTaskRec, OlTaskItem>::Row(FLAG_TASK, "Tasks"),
    TKindGlue<OlNoteUtil, CommNoteRec, OlNoteItem>::Row(FLAG_NOTE, "Notes"),
};

}  // namespace

const TConvKind* FindConvKind(int nFlag)
{
    for (const TConvKind& kind : kConvKinds) {
        if (kind.nFlag == nFlag)
            return &kind;
    }
    return nullptr;
}
