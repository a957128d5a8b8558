// The shell: well-known folders and the "open" verb. Opening hands the file, folder or
// address to xdg-open, started detached so the program never waits for the opened application.
#pragma once

#include "platform/win/Com.h"
#include "platform/win/Types.h"

#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else

constexpr INT SW_HIDE = 0;
constexpr INT SW_SHOWNORMAL = 1;
constexpr INT SW_SHOW = 5;

// The machine-wide application data folder: $XDG_DATA_HOME, else ~/.local/share.
constexpr int CSIDL_COMMON_APPDATA = 0x0023;
// Or-ed into the folder id: create the folder when it does not exist.
constexpr int CSIDL_FLAG_CREATE = 0x8000;
constexpr DWORD SHGFP_TYPE_CURRENT = 0;

// Writes the folder, without a final separator, into pszPath (MAX_PATH bytes). E_FAIL when the
// folder does not exist (and could not be created with CSIDL_FLAG_CREATE) or does not fit,
// E_INVALIDARG for a folder id other than CSIDL_COMMON_APPDATA.
HRESULT SHGetFolderPathA(HWND hwnd, int csidl, HANDLE hToken, DWORD dwFlags, LPSTR pszPath);

// Failure results of ShellExecuteA (success is any value above 32).
constexpr INT SE_ERR_FNF = 2;
constexpr INT SE_ERR_NOASSOC = 31;

// Opens file with the application the desktop associates with it. Only the "open" verb
// (or none, which means "open") is known; parameters are not passed to documents.
HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                        LPCSTR lpDirectory, INT nShowCmd);

#endif  // _WIN32

namespace platform {

// One ShellExecuteA call as the caller made it; absent texts are empty.
struct ShellCall {
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    INT show = 0;
};

// Where ShellExecuteA sends its calls. The default launcher starts xdg-open.
class ShellLauncher {
public:
    virtual ~ShellLauncher() = default;
    // Returns the ShellExecuteA result: above 32 on success, an SE_ERR_ code otherwise.
    virtual INT Launch(const ShellCall& call) = 0;
};

// Sends every ShellExecuteA call to launcher while it lives, then restores the previous one.
class ScopedShellLauncher {
public:
    explicit ScopedShellLauncher(ShellLauncher& launcher);
    ~ScopedShellLauncher();
    ScopedShellLauncher(const ScopedShellLauncher&) = delete;
    ScopedShellLauncher& operator=(const ScopedShellLauncher&) = delete;

private:
    ShellLauncher* m_pPrevious;
};

// Records the calls instead of starting anything, while it lives: what tests use.
class ShellCallRecorder : private ShellLauncher {
public:
    ShellCallRecorder();
    const std::vector<ShellCall>& Calls() const { return m_calls; }

private:
    INT Launch(const ShellCall& call) override;

    std::vector<ShellCall> m_calls;
    ScopedShellLauncher m_scope;
};

}  // namespace platform
