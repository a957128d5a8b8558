#include "platform/win/Registry.h"

#include <string>

// The real registry: what the simulated Outlook and the tests write, the program reads back
// through RegOpenKeyExA and RegQueryValueExA like any other key.
namespace platform {

void RegistrySetValue(HKEY hRoot, std::string_view subKey, std::string_view valueName, std::string_view text)
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(hRoot, std::string(subKey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr)
        != ERROR_SUCCESS)
        return;
    const std::string value(text);
    RegSetValueExA(hKey, std::string(valueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(hKey);
}

void RegistryDeleteValue(HKEY hRoot, std::string_view subKey, std::string_view valueName)
{
    RegDeleteKeyValueA(hRoot, std::string(subKey).c_str(), std::string(valueName).c_str());
}

void RegistryDeleteKey(HKEY hRoot, std::string_view subKey)
{
    const std::string path(subKey);
    RegDeleteTreeA(hRoot, path.c_str());
    RegDeleteKeyA(hRoot, path.c_str());
}

}  // namespace platform
