#include "platform/VersionStore.h"
#include "platform/windows/ImportHook.h"

#include <array>
#include <memory>

// While the store knows some file, the program's calls of the version functions ask the
// store first and Windows for every other file.
namespace platform {
namespace {

constexpr const char* kVersionDll = "version.dll";

using SizeFunction = DWORD WINAPI(LPCSTR, LPDWORD);
using InfoFunction = BOOL WINAPI(LPCSTR, DWORD, DWORD, LPVOID);
using QueryFunction = BOOL WINAPI(LPCVOID, LPCSTR, LPVOID*, PUINT);

struct VersionHooks;
std::unique_ptr<VersionHooks>& Hooks()
{
    static std::unique_ptr<VersionHooks> hooks;
    return hooks;
}

DWORD WINAPI StoredOrRealSize(LPCSTR lptstrFilename, LPDWORD lpdwHandle);
BOOL WINAPI StoredOrRealInfo(LPCSTR lptstrFilename, DWORD dwHandle, DWORD dwLen, LPVOID lpData);
BOOL WINAPI StoredOrRealQuery(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer, PUINT puLen);

struct VersionHooks {
    ImportHook size{kVersionDll, "GetFileVersionInfoSizeA", FunctionAddress(&StoredOrRealSize)};
    ImportHook info{kVersionDll, "GetFileVersionInfoA", FunctionAddress(&StoredOrRealInfo)};
    ImportHook query{kVersionDll, "VerQueryValueA", FunctionAddress(&StoredOrRealQuery)};
};

DWORD WINAPI StoredOrRealSize(LPCSTR lptstrFilename, LPDWORD lpdwHandle)
{
    DWORD dwSize = 0;
    if (StoredVersionSize(lptstrFilename, &dwSize)) {
        if (lpdwHandle != nullptr)
            *lpdwHandle = 0;
        return dwSize;
    }
    static auto* const systemSize = FunctionFrom<SizeFunction>(SystemFunction(kVersionDll, "GetFileVersionInfoSizeA"));
    return systemSize(lptstrFilename, lpdwHandle);
}

BOOL WINAPI StoredOrRealInfo(LPCSTR lptstrFilename, DWORD dwHandle, DWORD dwLen, LPVOID lpData)
{
    BOOL bCopied = FALSE;
    if (StoredVersionInfo(lptstrFilename, dwLen, lpData, &bCopied))
        return bCopied;
    static auto* const systemInfo = FunctionFrom<InfoFunction>(SystemFunction(kVersionDll, "GetFileVersionInfoA"));
    return systemInfo(lptstrFilename, dwHandle, dwLen, lpData);
}

BOOL WINAPI StoredOrRealQuery(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer, PUINT puLen)
{
    BOOL bFound = FALSE;
    if (StoredVersionQuery(pBlock, lpSubBlock, lplpBuffer, puLen, &bFound))
        return bFound;
    static auto* const systemQuery = FunctionFrom<QueryFunction>(SystemFunction(kVersionDll, "VerQueryValueA"));
    return systemQuery(pBlock, lpSubBlock, lplpBuffer, puLen);
}

}  // namespace

void StoredVersionsChanged()
{
    std::unique_ptr<VersionHooks>& hooks = Hooks();
    if (!HasStoredVersions())
        hooks.reset();
    else if (!hooks)
        hooks = std::make_unique<VersionHooks>();
}

}  // namespace platform
