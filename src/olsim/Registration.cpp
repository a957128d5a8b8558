#include "olsim/ApplicationObject.h"
#include "olsim/FaultInjection.h"
#include "olsim/OutlookSimulator.h"
#include "olsim/ProfileSession.h"
#include "olsim/SimulatorLog.h"
#include "olsim/StoreError.h"
#include "olsim/VersionText.h"

#include <cstdlib>
#include <filesystem>
#include <new>

namespace olsim {
namespace {

constexpr platform::OleStringView kProgId = OLESTR("Outlook.Application");
constexpr std::string_view kAppPathsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\OUTLOOK.EXE";
// What Windows answers when a server cannot start.
constexpr HRESULT kServerExecFailure = static_cast<HRESULT>(0x80080005);

std::string& RegisteredExecutable()
{
    static std::string path;
    return path;
}

// The executable is said to live beside the profile, with the profile's version.
void RegisterAppPaths(const std::string& profilePath, const std::string& version)
{
    std::string folder = std::filesystem::path(profilePath).parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    const VersionParts parts = ParseVersion(version).value_or(*ParseVersion(kDefaultOutlookVersion));
    std::string& executable = RegisteredExecutable();
    if (!executable.empty())
        platform::ClearFileVersion(executable);
    executable = folder + "OUTLOOK.EXE";
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path", folder);
    platform::SetFileVersion(executable, static_cast<WORD>(parts[0]), static_cast<WORD>(parts[1]),
                             static_cast<WORD>(parts[2]), static_cast<WORD>(parts[3]));
}

std::shared_ptr<ProfileSession> OpenSession(const std::string& path)
{
    if (path.empty()) {
        LogLine("olsim: there is no data folder for the Outlook profile; set OLSIM_PROFILE");
        return nullptr;
    }
    try {
        return ProfileSession::Open(path);
    } catch (const StoreError& error) {
        LogLine("olsim: cannot open the Outlook profile \"" + path + "\": " + error.what());
        return nullptr;
    }
}

HRESULT CreateApplication(REFIID riid, void** ppv)
{
    if (const auto fault = TakeFault("Application", "CreateInstance"))
        return *fault;
    try {
        const std::string path = ProfilePath();
        const auto session = OpenSession(path);
        if (!session)
            return kServerExecFailure;
        RegisterAppPaths(path, session->OutlookVersion());
        ApplicationObject* application = NewObject<ApplicationObject>(session);
        const HRESULT hr = application->QueryInterface(riid, ppv);
        application->Release();
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception& error) {
        LogLine(std::string("olsim: the simulated Outlook failed to start: ") + error.what());
        return kServerExecFailure;
    }
}

}  // namespace

void RegisterOutlookSimulator()
{
    const char* faults = std::getenv(kFaultsVariable);
    if (const auto problem = LoadFaults(faults ? faults : ""))
        LogLine(std::string("olsim: ") + kFaultsVariable + " ignored: " + *problem);
    platform::RegisterClassFactory(kProgId, CLSID_OutlookApplication, CreateApplication, CLSCTX_LOCAL_SERVER);
    const std::string path = ProfilePath();
    std::string version(kDefaultOutlookVersion);
    if (const auto session = OpenSession(path))
        version = session->OutlookVersion();
    if (!path.empty())
        RegisterAppPaths(path, version);
}

void UnregisterOutlookSimulator()
{
    platform::UnregisterClass(kProgId);
    platform::RegistryDeleteKey(HKEY_LOCAL_MACHINE, kAppPathsKey);
    std::string& executable = RegisteredExecutable();
    if (!executable.empty())
        platform::ClearFileVersion(executable);
    executable.clear();
}

}  // namespace olsim
