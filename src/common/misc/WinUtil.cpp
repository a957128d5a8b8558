#include "common/misc/WinUtil.h"

#include "common/misc/CxMemory.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr const char* kOutlookAppPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\OUTLOOK.EXE";
constexpr const char* kOutlookExe = "OUTLOOK.EXE";
constexpr std::size_t kVariantDateTextSize = 20;

// Closes a registry key on every way out.
class RegKeyHolder {
public:
    RegKeyHolder() = default;
    ~RegKeyHolder()
    {
        if (m_hKey != nullptr)
            RegCloseKey(m_hKey);
    }
    RegKeyHolder(const RegKeyHolder&) = delete;
    RegKeyHolder& operator=(const RegKeyHolder&) = delete;

    PHKEY Receive() { return &m_hKey; }
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};

int Compare(unsigned a, unsigned b)
{
    return a > b ? 1 : a < b ? -1 : 0;
}

}  // namespace

int ShellOpenFile(LPCSTR szFile)
{
    if (szFile == nullptr || szFile[0] == '\0')
        return 0;
    ShellExecuteA(nullptr, "open", szFile, "", "", SW_SHOW);
    return 1;
}

bool GetFileVersionNumbers(LPCSTR szPath, int* pnMajor, int* pnMinor, int* pnBuild, int* pnRevision)
{
    int* const outputs[] = {pnMajor, pnMinor, pnBuild, pnRevision};
    for (int* const pn : outputs) {
        if (pn != nullptr)
            *pn = 0;
    }
    if (szPath == nullptr || szPath[0] == '\0')
        return false;

    DWORD dwHandle = 0;
    const DWORD dwSize = GetFileVersionInfoSizeA(szPath, &dwHandle);
    if (dwSize == 0)
        return false;
    const std::unique_ptr<void, CxFreeDeleter> pBlock(CxAlloc(dwSize));
    if (pBlock == nullptr || !GetFileVersionInfoA(szPath, dwHandle, dwSize, pBlock.get()))
        return false;
    LPVOID pValue = nullptr;
    UINT nLength = 0;
    if (!VerQueryValueA(pBlock.get(), "\\", &pValue, &nLength) || nLength < sizeof(VS_FIXEDFILEINFO))
        return false;

    const auto* const pInfo = static_cast<const VS_FIXEDFILEINFO*>(pValue);
    const WORD parts[] = {HIWORD(pInfo->dwFileVersionMS), LOWORD(pInfo->dwFileVersionMS),
                          HIWORD(pInfo->dwFileVersionLS), LOWORD(pInfo->dwFileVersionLS)};
    for (int i = 0; i < 4; ++i) {
        if (outputs[i] != nullptr)
            *outputs[i] = parts[i];
    }
    return true;
}

bool GetOutlookVersion(char* szVersion)
{
    if (szVersion == nullptr)
        return false;

    RegKeyHolder key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kOutlookAppPath, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return false;

    char szPath[MAX_PATH] = "";
    DWORD cbPath = sizeof szPath - 1;  // keeps room for a terminator the stored value may lack
    DWORD dwType = 0;
    if (RegQueryValueExA(key.Get(), "Path", nullptr, &dwType, reinterpret_cast<LPBYTE>(szPath), &cbPath) !=
        ERROR_SUCCESS)
        return false;

    int nMajor = 0;
    int nMinor = 0;
    int nBuild = 0;
    int nRevision = 0;
    // A registered folder too long to take the file name has no usable executable.
    const bool bFits = std::strlen(szPath) + std::strlen(kOutlookExe) < sizeof szPath;
    if (bFits) {
        std::strcat(szPath, kOutlookExe);
        if (GetFileVersionNumbers(szPath, &nMajor, &nMinor, &nBuild, &nRevision)) {
            std::snprintf(szVersion, OUTLOOK_VERSION_SIZE, "%d.%d.%d.%d", nMajor, nMinor, nBuild, nRevision);
            return true;
        }
    }
    szVersion[0] = '\0';
    return false;
}

bool FormatVariantDate(DATE dDate, char* szBuf)
{
    SYSTEMTIME st{};
    if (szBuf == nullptr || !VariantTimeToSystemTime(dDate, &st))
        return false;
    char szText[40];
    std::snprintf(szText, sizeof szText, "%02d-%02d-%04d %02d:%02d:%02d", st.wMonth, st.wDay, st.wYear, st.wHour,
                  st.wMinute, st.wSecond);
    CutText(szBuf, kVariantDateTextSize, szText);
    return true;
}

int CompareSystemDate(const SYSTEMTIME* pstA, const SYSTEMTIME* pstB)
{
    if (pstA == nullptr)
        return -1;
    if (pstB == nullptr)
        return 1;
    if (const int nYear = Compare(pstA->wYear, pstB->wYear))
        return nYear;
    if (const int nMonth = Compare(pstA->wMonth, pstB->wMonth))
        return nMonth;
    return Compare(pstA->wDay, pstB->wDay);
}
