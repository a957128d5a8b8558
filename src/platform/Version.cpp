#include "platform/VersionStore.h"

// Only the files of the store have a version here.
DWORD GetFileVersionInfoSizeA(LPCSTR lptstrFilename, LPDWORD lpdwHandle)
{
    if (lpdwHandle != nullptr)
        *lpdwHandle = 0;
    DWORD dwSize = 0;
    return platform::StoredVersionSize(lptstrFilename, &dwSize) ? dwSize : 0;
}

BOOL GetFileVersionInfoA(LPCSTR lptstrFilename, DWORD, DWORD dwLen, LPVOID lpData)
{
    BOOL bCopied = FALSE;
    return platform::StoredVersionInfo(lptstrFilename, dwLen, lpData, &bCopied) && bCopied;
}

BOOL VerQueryValueA(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer, PUINT puLen)
{
    BOOL bFound = FALSE;
    return platform::StoredVersionQuery(pBlock, lpSubBlock, lplpBuffer, puLen, &bFound) && bFound;
}

namespace platform {

// The functions above ask the store on every call.
void StoredVersionsChanged() {}

}  // namespace platform
