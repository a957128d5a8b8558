#include "common/misc/CxIniUtil.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

CxIniUtil AppIni(nullptr, "corvane.ini");

namespace {

bool IsEmpty(LPCSTR text) { return text == nullptr || *text == '\0'; }

// Copies a whole path or nothing: a cut path would name another file.
bool CopyPath(char (&target)[MAX_PATH], const std::string& path)
{
    if (path.size() >= MAX_PATH)
        return false;
    std::memcpy(target, path.c_str(), path.size() + 1);
    return true;
}

}  // namespace

CxIniUtil::CxIniUtil(LPCSTR szFolder, LPCSTR szFileName)
{
    char szModuleFolder[MAX_PATH] = "";
    if (IsEmpty(szFolder)) {
        GetModuleFolder(nullptr, szModuleFolder);
        szFolder = szModuleFolder;
    }
    CopyPath(m_szPath, std::string(szFolder) + (szFileName ? szFileName : ""));
}

void CxIniUtil::SetPath(LPCSTR szPath)
{
    if (!IsEmpty(szPath))
        CopyPath(m_szPath, szPath);
}

int CxIniUtil::ReadString(LPCSTR szSection, LPCSTR szKey, LPSTR szBuffer, int nSize,
                          LPCSTR szDefault) const
{
    if (IsEmpty(szSection) || IsEmpty(szKey) || szBuffer == nullptr || nSize <= 0)
        return 0;
    return static_cast<int>(GetPrivateProfileStringA(szSection, szKey, szDefault, szBuffer,
                                                     static_cast<DWORD>(nSize), m_szPath));
}

int CxIniUtil::ReadInt(LPCSTR szSection, LPCSTR szKey, int nDefault) const
{
    char szValue[32] = "";
    if (ReadString(szSection, szKey, szValue, sizeof szValue, "") == 0)
        return nDefault;
    const long nValue = std::strtol(szValue, nullptr, 10);
    if (nValue > INT_MAX)
        return INT_MAX;
    if (nValue < INT_MIN)
        return INT_MIN;
    return static_cast<int>(nValue);
}

bool CxIniUtil::ReadBool(LPCSTR szSection, LPCSTR szKey, bool bDefault) const
{
    return ReadInt(szSection, szKey, bDefault ? 1 : 0) != 0;
}

int CxIniUtil::WriteString(LPCSTR szSection, LPCSTR szKey, LPCSTR szValue)
{
    if (IsEmpty(szSection) || IsEmpty(szKey))
        return 0;
    return WritePrivateProfileStringA(szSection, szKey, szValue ? szValue : "", m_szPath);
}

int CxIniUtil::WriteInt(LPCSTR szSection, LPCSTR szKey, int nValue)
{
    char szValue[16];
    std::snprintf(szValue, sizeof szValue, "%d", nValue);
    return WriteString(szSection, szKey, szValue);
}

int CxIniUtil::WriteBool(LPCSTR szSection, LPCSTR szKey, bool bValue)
{
    return WriteInt(szSection, szKey, bValue ? 1 : 0);
}

int GetModuleFolder(HMODULE hModule, LPSTR szFolder)
{
    if (szFolder == nullptr)
        return 0;
    char szModule[MAX_PATH] = "";
    const DWORD nLength = GetModuleFileNameA(hModule, szModule, MAX_PATH);
    szFolder[0] = '\0';
    if (nLength == 0 || nLength >= MAX_PATH)
        return 0;
    const char* const pLastSlash = std::strrchr(szModule, '/');
    if (pLastSlash == nullptr)
        return 0;
    const size_t nFolder = static_cast<size_t>(pLastSlash - szModule) + 1;
    std::memcpy(szFolder, szModule, nFolder);
    szFolder[nFolder] = '\0';
    return 1;
}
