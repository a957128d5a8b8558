// What an Outlook item adapter does the same whatever its item and record types: it holds its
// kind's default folder while connected, reads the folder's name, StoreID and Items, saves the
// items it wrote, and logs each step with its kind's text (OlAdapterKinds.h).
#pragma once

#include "common/misc/CxDebugUtil.h"
#include "common/outlook/OlAdapterKinds.h"
#include "common/outlook/OlComm.h"
#include "common/outlook/OlItemSupport.h"

#include <memory>

class OlFolderAdapter : public OlBaseUtil {
public:
    // Joins the connection and opens the kind's default folder.
    bool Connect() override;
    void Disconnect() override;

    std::unique_ptr<CDispCmd> m_pRootFolder;
    bool m_bFolderOpen = false;

protected:
    explicit OlFolderAdapter(OlKind kind) : m_kind(kind) {}

    static constexpr int kLogError = 0;
    static constexpr int kLogInfo = 2;

    // What every item loaded from a folder keeps of it; the StoreID stays empty for the
    // kinds that do not read it.
    struct FolderNames {
        char szName[32] = "";
        char szStoreId[1024] = "";
    };
    FolderNames ReadFolderNames(CDispCmd& folder) const;
    // The folder's Items; null, logged with the kind's text of step, when Outlook refuses.
    OlObject GetFolderItems(CDispCmd& folder, OlKindText OlKindTexts::*step) const;
    // Saves an item whose properties were put; false, logged, when Outlook refuses.
    bool SaveWrittenItem(CDispCmd& item) const;

    // A text that takes no values is logged as it stands.
    template <class... TArgs>
    void Log(int nLevel, OlKindText OlKindTexts::*step, TArgs... args) const
    {
        const char* szText = (kOlKindTexts.*step)[m_kind];
        if (szText == nullptr)
            return;
        if constexpr (sizeof...(TArgs) == 0)
            AppDebug.LogMessage(nLevel, __FILE__, __LINE__, "%s", szText);
        else
            AppDebug.LogMessage(nLevel, __FILE__, __LINE__, szText, args...);
    }

    static unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }

    const OlKind m_kind;
};
