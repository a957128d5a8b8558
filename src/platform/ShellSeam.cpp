#include "platform/ShellSeam.h"

#include <cstdint>

namespace platform {
namespace {

ShellLauncher* g_pLauncher = nullptr;

std::string TextOrEmpty(LPCSTR text) { return text ? std::string(text) : std::string(); }

}  // namespace

ShellLauncher* ShellLauncherInForce() { return g_pLauncher; }

ShellCall MakeShellCall(LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory, INT nShowCmd)
{
    return {TextOrEmpty(lpOperation), TextOrEmpty(lpFile), TextOrEmpty(lpParameters), TextOrEmpty(lpDirectory),
            nShowCmd};
}

HINSTANCE ShellResult(INT result) { return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(result)); }

ScopedShellLauncher::ScopedShellLauncher(ShellLauncher& launcher) : m_pPrevious(g_pLauncher)
{
    g_pLauncher = &launcher;
    ShellLauncherChanged();
}

ScopedShellLauncher::~ScopedShellLauncher()
{
    g_pLauncher = m_pPrevious;
    ShellLauncherChanged();
}

ShellCallRecorder::ShellCallRecorder() : m_scope(*this) {}

INT ShellCallRecorder::Launch(const ShellCall& call)
{
    m_calls.push_back(call);
    return kShellLaunched;
}

}  // namespace platform
