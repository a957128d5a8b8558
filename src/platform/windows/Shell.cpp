#include "platform/ShellSeam.h"
#include "platform/windows/ImportHook.h"

#include <memory>

// While a launcher is in force, the program's calls of ShellExecuteA go to it.
namespace platform {
namespace {

using ShellExecuteFunction = HINSTANCE WINAPI(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

HINSTANCE WINAPI LaunchInForce(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                               LPCSTR lpDirectory, INT nShowCmd)
{
    if (ShellLauncher* launcher = ShellLauncherInForce())
        return ShellResult(launcher->Launch(MakeShellCall(lpOperation, lpFile, lpParameters, lpDirectory, nShowCmd)));
    static auto* const systemShellExecute =
        FunctionFrom<ShellExecuteFunction>(SystemFunction("shell32.dll", "ShellExecuteA"));
    return systemShellExecute(hwnd, lpOperation, lpFile, lpParameters, lpDirectory, nShowCmd);
}

std::unique_ptr<ImportHook>& ShellHook()
{
    static std::unique_ptr<ImportHook> hook;
    return hook;
}

}  // namespace

void ShellLauncherChanged()
{
    std::unique_ptr<ImportHook>& hook = ShellHook();
    if (ShellLauncherInForce() == nullptr)
        hook.reset();
    else if (!hook)
        hook = std::make_unique<ImportHook>("shell32.dll", "ShellExecuteA", FunctionAddress(&LaunchInForce));
}

}  // namespace platform
