#include "platform/win/Registry.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

namespace {

struct RegistryValue {
    DWORD type;
    std::string data;  // the bytes as read, a text's terminator included
};

using ValueMap = std::map<std::string, RegistryValue>;

// Keys are held by their full path: the root's number, a backslash, the path below it,
// all lower case so that lookups ignore case.
struct RegistryStore {
    std::mutex mutex;
    std::map<std::string, ValueMap> keys;
    std::map<std::uintptr_t, std::string> openKeys;
    std::uintptr_t nextHandle = 1;
};

RegistryStore& Store()
{
    static RegistryStore store;
    return store;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return lower;
}

std::string_view TrimBackslashes(std::string_view path)
{
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return path;
}

bool IsRoot(HKEY hKey)
{
    return hKey == HKEY_LOCAL_MACHINE;
}

std::string RootPath(HKEY hRoot)
{
    return std::to_string(reinterpret_cast<std::uintptr_t>(hRoot));
}

std::string Join(const std::string& parent, std::string_view subKey)
{
    const std::string_view trimmed = TrimBackslashes(subKey);
    return trimmed.empty() ? parent : parent + "\\" + Lower(trimmed);
}

// The full path of an open key or root; false for a handle that is neither.
bool PathOf(const RegistryStore& store, HKEY hKey, std::string& path)
{
    if (IsRoot(hKey)) {
        path = RootPath(hKey);
        return true;
    }
    const auto open = store.openKeys.find(reinterpret_cast<std::uintptr_t>(hKey));
    if (open == store.openKeys.end())
        return false;
    path = open->second;
    return true;
}

bool StartsWith(const std::string& path, const std::string& prefix)
{
    return path.compare(0, prefix.size(), prefix) == 0;
}

bool KeyExists(const RegistryStore& store, const std::string& key)
{
    if (store.keys.count(key) != 0)
        return true;
    const std::string below = key + "\\";
    const auto first = store.keys.lower_bound(below);
    return first != store.keys.end() && StartsWith(first->first, below);
}

}  // namespace

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult)
{
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    RegistryStore& store = Store();
    const std::lock_guard lock(store.mutex);
    std::string parent;
    if (!PathOf(store, hKey, parent))
        return ERROR_INVALID_HANDLE;
    const std::string key = Join(parent, lpSubKey == nullptr ? "" : lpSubKey);
    if (!KeyExists(store, key))
        return ERROR_FILE_NOT_FOUND;
    const std::uintptr_t handle = store.nextHandle++;
    store.openKeys.emplace(handle, key);
    *phkResult = reinterpret_cast<HKEY>(handle);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    if (lpData != nullptr && lpcbData == nullptr)
        return ERROR_INVALID_PARAMETER;
    RegistryStore& store = Store();
    const std::lock_guard lock(store.mutex);
    std::string key;
    if (!PathOf(store, hKey, key))
        return ERROR_INVALID_HANDLE;
    if (!KeyExists(store, key))
        return ERROR_KEY_DELETED;
    const auto values = store.keys.find(key);
    if (values == store.keys.end())
        return ERROR_FILE_NOT_FOUND;
    const auto value = values->second.find(Lower(lpValueName == nullptr ? "" : lpValueName));
    if (value == values->second.end())
        return ERROR_FILE_NOT_FOUND;

    const RegistryValue& found = value->second;
    if (lpType != nullptr)
        *lpType = found.type;
    const auto size = static_cast<DWORD>(found.data.size());
    if (lpData == nullptr) {
        if (lpcbData != nullptr)
            *lpcbData = size;
        return ERROR_SUCCESS;
    }
    const DWORD room = *lpcbData;
    *lpcbData = size;
    if (room < size)
        return ERROR_MORE_DATA;
    std::memcpy(lpData, found.data.data(), size);
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY hKey)
{
    if (IsRoot(hKey))
        return ERROR_SUCCESS;
    RegistryStore& store = Store();
    const std::lock_guard lock(store.mutex);
    return store.openKeys.erase(reinterpret_cast<std::uintptr_t>(hKey)) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

namespace platform {

void RegistrySetValue(HKEY hRoot, std::string_view subKey, std::string_view valueName, std::string_view text)
{
    RegistryStore& store = Store();
    const std::lock_guard lock(store.mutex);
    std::string data(text);
    data.push_back('\0');
    store.keys[Join(RootPath(hRoot), subKey)][Lower(valueName)] = RegistryValue{REG_SZ, std::move(data)};
}

void RegistryDeleteValue(HKEY hRoot, std::string_view subKey, std::string_view valueName)
{
    RegistryStore& store = Store();
    const std::lock_guard lock(store.mutex);
    const auto values = store.keys.find(Join(RootPath(hRoot), subKey));
    if (values != store.keys.end())
        values->second.erase(Lower(valueName));
}

void RegistryDeleteKey(HKEY hRoot, std::string_view subKey)
{
    RegistryStore& store = Store();
    const std::lock_guard lock(store.mutex);
    const std::string key = Join(RootPath(hRoot), subKey);
    store.keys.erase(key);
    const std::string below = key + "\\";
    auto it = store.keys.lower_bound(below);
    while (it != store.keys.end() && StartsWith(it->first, below))
        it = store.keys.erase(it);
}

}  // namespace platform
