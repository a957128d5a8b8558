#include "common/misc/CxIniUtil.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

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
    // Windows cuts a value too long for the buffer anywhere, even inside a character, so the
    // whole value is read first and then cut after its last whole character.
    constexpr std::size_t kLongestValue = 1 << 20;
    std::string value(std::max<std::size_t>(static_cast<std::size_t>(nSize), 256), '\0');
    for (;;) {
        const DWORD nRead = GetPrivateProfileStringA(szSection, szKey, szDefault, value.data(),
                                                     static_cast<DWORD>(value.size()), m_szPath);
        if (nRead + 1 < value.size() || value.size() >= kLongestValue) {
            value.resize(std::min<std::size_t>(nRead, value.size() - 1));
            break;
        }
        value.resize(value.size() * 2);
    }
    return static_cast<int>(CutText(szBuffer, static_cast<std::size_t>(nSize), value));
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
    const std::string_view module(szModule, nLength);
    const size_t nLastSeparator = module.find_last_of(platform::kPathSeparators);
    if (nLastSeparator == std::string_view::npos)
        return 0;
    const size_t nFolder = nLastSeparator + 1;
    std::memcpy(szFolder, szModule, nFolder);
    szFolder[nFolder] = '\0';
    return 1;
}
