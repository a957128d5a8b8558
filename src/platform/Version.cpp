#include "platform/win/Version.h"

#include <cstring>
#include <map>
#include <mutex>
#include <string>

namespace {

constexpr char kBlockTag[8] = "BRNDVER";

// What GetFileVersionInfoA hands out: a tag that VerQueryValueA recognises, then the
// fixed file information.
struct VersionBlock {
    char tag[sizeof kBlockTag];
    VS_FIXEDFILEINFO fixed;
};

struct VersionStore {
    std::mutex mutex;
    std::map<std::string, VS_FIXEDFILEINFO, std::less<>> files;
};

VersionStore& Store()
{
    static VersionStore store;
    return store;
}

bool FindVersion(LPCSTR lptstrFilename, VS_FIXEDFILEINFO& fixed)
{
    if (lptstrFilename == nullptr)
        return false;
    VersionStore& store = Store();
    const std::lock_guard lock(store.mutex);
    const auto file = store.files.find(std::string_view(lptstrFilename));
    if (file == store.files.end())
        return false;
    fixed = file->second;
    return true;
}

}  // namespace

DWORD GetFileVersionInfoSizeA(LPCSTR lptstrFilename, LPDWORD lpdwHandle)
{
    if (lpdwHandle != nullptr)
        *lpdwHandle = 0;
    VS_FIXEDFILEINFO fixed{};
    return FindVersion(lptstrFilename, fixed) ? static_cast<DWORD>(sizeof(VersionBlock)) : 0;
}

BOOL GetFileVersionInfoA(LPCSTR lptstrFilename, DWORD, DWORD dwLen, LPVOID lpData)
{
    VersionBlock block{};
    if (lpData == nullptr || dwLen < sizeof block || !FindVersion(lptstrFilename, block.fixed))
        return FALSE;
    std::memcpy(block.tag, kBlockTag, sizeof kBlockTag);
    std::memcpy(lpData, &block, sizeof block);
    return TRUE;
}

BOOL VerQueryValueA(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer, PUINT puLen)
{
    if (pBlock == nullptr || lpSubBlock == nullptr || lplpBuffer == nullptr || std::strcmp(lpSubBlock, "\\") != 0)
        return FALSE;
    auto* const block = static_cast<VersionBlock*>(const_cast<LPVOID>(pBlock));
    if (std::memcmp(block->tag, kBlockTag, sizeof kBlockTag) != 0 || block->fixed.dwSignature != VS_FFI_SIGNATURE)
        return FALSE;
    *lplpBuffer = &block->fixed;
    if (puLen != nullptr)
        *puLen = sizeof block->fixed;
    return TRUE;
}

namespace platform {

void SetFileVersion(std::string_view path, WORD wMajor, WORD wMinor, WORD wBuild, WORD wRevision)
{
    VS_FIXEDFILEINFO fixed{};
    fixed.dwSignature = VS_FFI_SIGNATURE;
    fixed.dwStrucVersion = VS_FFI_STRUCVERSION;
    fixed.dwFileVersionMS = static_cast<DWORD>(wMajor) << 16 | wMinor;
    fixed.dwFileVersionLS = static_cast<DWORD>(wBuild) << 16 | wRevision;
    fixed.dwProductVersionMS = fixed.dwFileVersionMS;
    fixed.dwProductVersionLS = fixed.dwFileVersionLS;

    VersionStore& store = Store();
    const std::lock_guard lock(store.mutex);
    store.files.insert_or_assign(std::string(path), fixed);
}

void ClearFileVersion(std::string_view path)
{
    VersionStore& store = Store();
    const std::lock_guard lock(store.mutex);
    const auto file = store.files.find(path);
    if (file != store.files.end())
        store.files.erase(file);
}

}  // namespace platform
