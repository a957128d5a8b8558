// The settings store: texts, integers and booleans in one INI file.
#pragma once

#include "platform/WinCompat.h"

class CxIniUtil {
public:
    // The file is szFolder followed by szFileName; an absent or empty folder means the
    // program's own folder. A path that does not fit MAX_PATH - 1 bytes is not used: the store
    // then reads defaults and writes nothing.
    CxIniUtil(LPCSTR szFolder, LPCSTR szFileName);
    virtual ~CxIniUtil() = default;
    CxIniUtil(const CxIniUtil&) = delete;
    CxIniUtil& operator=(const CxIniUtil&) = delete;

    // Ignored for an absent or empty path, and for one that does not fit.
    void SetPath(LPCSTR szPath);
    LPCSTR GetPath() const { return m_szPath; }

    // Bytes placed in szBuffer (cut to nSize - 1), the default when the entry is missing;
    // 0 without reading for an absent or empty section or key, or no buffer.
    int ReadString(LPCSTR szSection, LPCSTR szKey, LPSTR szBuffer, int nSize, LPCSTR szDefault) const;
    // The entry's leading decimal number (0 when it has none); the default for a missing or
    // empty entry.
    int ReadInt(LPCSTR szSection, LPCSTR szKey, int nDefault) const;
    bool ReadBool(LPCSTR szSection, LPCSTR szKey, bool bDefault) const;

    // Non-zero on success; 0 without writing for an absent or empty key. An absent value is
    // written as the empty text.
    int WriteString(LPCSTR szSection, LPCSTR szKey, LPCSTR szValue);
    int WriteInt(LPCSTR szSection, LPCSTR szKey, int nValue);
    int WriteBool(LPCSTR szSection, LPCSTR szKey, bool bValue);

private:
    char m_szPath[MAX_PATH] = "";
};

// Writes the folder of the module's file (the program itself for a null module), ending with
// '/', into szFolder (MAX_PATH bytes). 0 for no buffer or when the file name is unknown.
int GetModuleFolder(HMODULE hModule, LPSTR szFolder);

// The program's settings store, first "corvane.ini" beside the program.
extern CxIniUtil AppIni;
