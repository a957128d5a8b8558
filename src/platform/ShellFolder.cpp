#include "platform/win/Shell.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <pwd.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

// As the XDG base directory rules say: a relative $XDG_DATA_HOME is ignored.
std::filesystem::path DataHome()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return dataHome;
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* account = getpwuid(getuid());
        home = account ? account->pw_dir : nullptr;
    }
    if (!home || home[0] != '/')
        return {};
    return std::filesystem::path(home) / ".local" / "share";
}

}  // namespace

HRESULT SHGetFolderPathA(HWND, int csidl, HANDLE, DWORD, LPSTR pszPath)
{
    if (pszPath == nullptr)
        return E_INVALIDARG;
    if ((csidl & ~CSIDL_FLAG_CREATE) != CSIDL_COMMON_APPDATA)
        return E_INVALIDARG;

    const std::string folder = DataHome().lexically_normal().string();
    if (folder.empty() || folder.size() >= MAX_PATH)
        return E_FAIL;
    std::error_code error;
    if ((csidl & CSIDL_FLAG_CREATE) != 0)
        std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error))
        return E_FAIL;

    std::string result = folder;
    if (result.size() > 1 && result.back() == '/')
        result.pop_back();
    std::memcpy(pszPath, result.c_str(), result.size() + 1);
    return S_OK;
}
