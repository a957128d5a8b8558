#include "platform/VersionStore.h"

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

namespace platform {

bool StoredVersionSize(LPCSTR lptstrFilename, DWORD* pdwSize)
{
    VS_FIXEDFILEINFO fixed{};
    if (!FindVersion(lptstrFilename, fixed))
        return false;
    *pdwSize = static_cast<DWORD>(sizeof(VersionBlock));
    return true;
}

bool StoredVersionInfo(LPCSTR lptstrFilename, DWORD dwLen, LPVOID lpData, BOOL* pbCopied)
{
    VersionBlock block{};
    if (!FindVersion(lptstrFilename, block.fixed))
        return false;
    *pbCopied = lpData != nullptr && dwLen >= sizeof block;
    if (*pbCopied) {
        std::memcpy(block.tag, kBlockTag, sizeof kBlockTag);
        std::memcpy(lpData, &block, sizeof block);
    }
    return true;
}

bool StoredVersionQuery(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer, PUINT puLen, BOOL* pbFound)
{
    auto* const block = static_cast<VersionBlock*>(const_cast<LPVOID>(pBlock));
    if (block == nullptr || std::memcmp(block->tag, kBlockTag, sizeof kBlockTag) != 0)
        return false;
    *pbFound = lpSubBlock != nullptr && lplpBuffer != nullptr && std::strcmp(lpSubBlock, "\\") == 0
               && block->fixed.dwSignature == VS_FFI_SIGNATURE;
    if (*pbFound) {
        *lplpBuffer = &block->fixed;
        if (puLen != nullptr)
            *puLen = sizeof block->fixed;
    }
    return true;
}

bool HasStoredVersions()
{
    VersionStore& store = Store();
    const std::lock_guard lock(store.mutex);
    return !store.files.empty();
}

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
    {
        const std::lock_guard lock(store.mutex);
        store.files.insert_or_assign(std::string(path), fixed);
    }
    StoredVersionsChanged();
}

void ClearFileVersion(std::string_view path)
{
    VersionStore& store = Store();
    {
        const std::lock_guard lock(store.mutex);
        const auto file = store.files.find(path);
        if (file != store.files.end())
            store.files.erase(file);
    }
    StoredVersionsChanged();
}

}  // namespace platform
