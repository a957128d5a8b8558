// The registry, as far as the program reads it: opening a key for reading and reading a
// value. Keys and values live in a process-wide store in memory; the program's own parts
// (the simulated Outlook) and tests fill it through the platform functions below.
#pragma once

#include "platform/win/Types.h"

#include <string_view>

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else

using HKEY = struct HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;
using LSTATUS = LONG;

inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u));

inline constexpr REGSAM KEY_READ = 0x20019;

inline constexpr DWORD REG_SZ = 1;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_KEY_DELETED = 1018;

// Key paths use backslashes and match ignoring ASCII case, as do value names. A key
// exists when a value was set in it or in a key below it.
LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);

// With lpData null only the size is reported. The size of a text includes its terminator;
// a buffer too small gives ERROR_MORE_DATA and the size needed.
LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                         LPDWORD lpcbData);

LSTATUS RegCloseKey(HKEY hKey);

#endif  // _WIN32

namespace platform {

// Sets a text value, creating the key (and the keys above it) when needed.
void RegistrySetValue(HKEY hRoot, std::string_view subKey, std::string_view valueName, std::string_view text);
// Removes one value; the key stays.
void RegistryDeleteValue(HKEY hRoot, std::string_view subKey, std::string_view valueName);
// Removes the key with its values and every key below it.
void RegistryDeleteKey(HKEY hRoot, std::string_view subKey);

}  // namespace platform
