// The base of the four Outlook adapters: the one Outlook connection of the process, shared
// by every adapter and released with its last user, and the adapter interface the
// conversion objects and the pages call without knowing the kind of data.
#pragma once

#include "platform/WinCompat.h"

class CDispCmd;

class OlBaseUtil {
public:
    // Joins the connection when it is established, then connects through the base Init.
    OlBaseUtil();
    // ClearItems and Term as this class defines them.
    virtual ~OlBaseUtil();
    OlBaseUtil(const OlBaseUtil&) = delete;
    OlBaseUtil& operator=(const OlBaseUtil&) = delete;

    virtual bool LoadItems();
    virtual void ClearItems();
    virtual void Init();
    virtual void Term();
    // Counts one more user; the first establishes the connection. False, with the use
    // undone, when Outlook cannot be reached.
    virtual bool Connect();
    // Counts one user less; the last tears the connection down.
    virtual void Disconnect();

    // A DATE as "%02d/%02d/%04d", "%02d:%02d:%02d" or both joined by a blank, cut to
    // nSize - 1 bytes; 0 without a buffer, 1 otherwise.
    static int FormatOleDate(DATE dDate, char* szBuf, int nSize);
    static int FormatOleTime(DATE dDate, char* szBuf, int nSize);
    static int FormatOleDateTime(DATE dDate, char* szBuf, int nSize);

    // Code of the installed Outlook: 0 unknown, 1 before 10, 2 for 10, 3 for 11, 4 for 12,
    // 5 for 14, 6 for 13 and 15 on.
    static int GetOutlookVersionCode() { return sm_nOutlookVersion; }
    static int GetUseCount() { return sm_nUseCount; }
    static bool IsOutlookConnected() { return sm_bConnected; }
    bool IsConnected() const { return m_bConnected; }

protected:
    CDispCmd* m_pAppCmd = nullptr;
    CDispCmd* m_pNameSpaceCmd = nullptr;
    IUnknown* m_pAppUnknown = nullptr;
    bool m_bConnected = false;

    static bool sm_bConnected;
    static int sm_nUseCount;
    static CDispCmd* sm_pAppCmd;
    static CDispCmd* sm_pNameSpaceCmd;
    static IUnknown* sm_pAppUnknown;
    static int sm_nOutlookVersion;

private:
    bool EstablishConnection();
};
