#include "common/outlook/OlAddrUtil.h"

#include "common/outlook/OlAddrProps.h"
#include "common/outlook/OlItemAdapterImpl.h"

#include <cstring>
#include <string_view>

namespace {

constexpr int kEntryIdSize = 1023;

// Cuts a fixed-width text, read up to its terminator or its width, into another.
template <std::size_t N, std::size_t M>
void CutInto(char (&szDest)[N], const char (&szSource)[M])
{
    CutText(szDest, N, std::string_view(szSource, strnlen(szSource, M)));
}

}  // namespace

template <>
struct OlKindHooks<OlKind::Contacts> {
    // The EntryID, the properties, then the user properties.
    static void GetProperties(CDispCmd& item, OlAddrItem& image)
    {
        item.GetString(OLESTR("EntryID"), image.EntryID, kEntryIdSize);
        ReadItemProperties(item, AddrItemProperties(), &image);
        OlAddrUtil::ReadUserProperties(item.GetDispatch(), &image);
    }

    static void PutProperties(CDispCmd& item, const OlAddrItem& image)
    {
        WriteItemProperties(item, AddrItemProperties(), &image);
        OlAddrUtil::WriteUserProperties(item.GetDispatch(), &image);
    }

    static void FillRecord(const OlAddrItem& image, CommAddrRec& rec)
    {
        CopyImageToRecord(AddrItemProperties(), &image, &rec);
        for (std::size_t i = 0; i < OL_ADDR_USER_PROPS; ++i) {
            CutInto(rec.szCustom[i], image.UserPropValue[i]);
            CutInto(rec.szCustomLabel[i], image.UserPropName[i]);
        }
        rec.nSourceType = OL_SOURCE_OUTLOOK;
    }

    static void FillImage(const CommAddrRec& rec, OlAddrItem& image)
    {
        CopyRecordToImage(AddrItemProperties(), &rec, &image);
        for (std::size_t i = 0; i < OL_ADDR_USER_PROPS; ++i) {
            CutInto(image.UserPropValue[i], rec.szCustom[i]);
            CutInto(image.UserPropName[i], rec.szCustomLabel[i]);
        }
    }
};

template class OlItemAdapter<OlAddrUtil, OlKind::Contacts, OlAddrItem, CommAddrRec, CommAddrMgr>;
