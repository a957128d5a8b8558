#include "support/TestDataHome.h"

#include "support/Environment.h"

#ifdef _WIN32
#include "platform/WinCompat.h"
#include "platform/windows/ImportHook.h"

#include <cstring>
#include <memory>
#include <string>
#endif

namespace testing_support {

#ifdef _WIN32

namespace {

std::string& DataHome()
{
    static std::string folder;
    return folder;
}

std::unique_ptr<platform::ImportHook>& FolderHook()
{
    static std::unique_ptr<platform::ImportHook> hook;
    return hook;
}

// The test's folder for the common application data, Windows' answer for any other folder.
HRESULT WINAPI TestFolderPath(HWND hwnd, int csidl, HANDLE hToken, DWORD dwFlags, LPSTR pszPath)
{
    if ((csidl & ~CSIDL_FLAG_CREATE) != CSIDL_COMMON_APPDATA) {
        using FolderPathFunction = HRESULT WINAPI(HWND, int, HANDLE, DWORD, LPSTR);
        static auto* const systemFolderPath =
            platform::FunctionFrom<FolderPathFunction>(platform::SystemFunction("shell32.dll", "SHGetFolderPathA"));
        return systemFolderPath(hwnd, csidl, hToken, dwFlags, pszPath);
    }
    const std::string& folder = DataHome();
    if (pszPath == nullptr || folder.size() >= MAX_PATH)
        return E_FAIL;
    std::memcpy(pszPath, folder.c_str(), folder.size() + 1);
    return S_OK;
}

}  // namespace

void UseDataHome(const std::filesystem::path& folder)
{
    DataHome() = folder.generic_string();
    if (!FolderHook())
        FolderHook() = std::make_unique<platform::ImportHook>("shell32.dll", "SHGetFolderPathA",
                                                              platform::FunctionAddress(&TestFolderPath));
}

#else

// SHGetFolderPathA answers $XDG_DATA_HOME.
void UseDataHome(const std::filesystem::path& folder) { SetEnvironment("XDG_DATA_HOME", folder.string()); }

#endif

}  // namespace testing_support
