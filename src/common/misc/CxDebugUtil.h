// The program's debug log: one line per message in "appdebug.log" of the data folder.
#pragma once

#include "platform/WinCompat.h"

// Writers pass their own __FILE__ and __LINE__:
//     AppDebug.LogMessage(0, __FILE__, __LINE__, "Invoke %s failed, hr=0x%08x", szName, hr);
// Level 0 is for errors and is written even with the log switched off; higher levels are
// written only while the log is on and the level is at most the configured one.
class CxDebugUtil {
public:
    static constexpr int MAX_LEVEL = 3;
    // Strictly above this size the log is moved aside to "<log>.old.log" and restarted.
    static constexpr long ROTATE_SIZE = 10485760;

    constexpr CxDebugUtil() = default;
    virtual ~CxDebugUtil() = default;
    CxDebugUtil(const CxDebugUtil&) = delete;
    CxDebugUtil& operator=(const CxDebugUtil&) = delete;

    // The folder must end with '/'; the log's path is the folder followed by the file name.
    void SetLogFolder(LPCSTR szFolder);
    // Clamped to 0..MAX_LEVEL.
    void SetLogLevel(int nLevel);
    void EnableLog(bool bEnable);

    void LogMessage(int nLevel, LPCSTR szSrcFile, int nSrcLine, LPCSTR szFormat, ...)
        __attribute__((format(printf, 5, 6)));

    LPCSTR GetLogFolder() const { return m_szFolder; }
    LPCSTR GetLogFileName() const { return m_szFileName; }
    int GetLogLevel() const { return m_nLevel; }
    bool IsLogEnabled() const { return m_bEnable; }

private:
    char m_szFileName[MAX_PATH] = "appdebug.log";
    char m_szFolder[MAX_PATH] = "./";
    int m_nLevel = 0;
    bool m_bEnable = false;
};

// The one log of the program, usable from the first moment of static start-up.
extern CxDebugUtil AppDebug;
