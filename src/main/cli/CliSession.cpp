#include "main/cli/CliSession.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxIniUtil.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvObjects.h"
#include "platform/WinCompat.h"

#include <string>

namespace {

// The wizard's settings file in the data folder.
constexpr const char* kIniName = "corvane.ini";

}  // namespace

TCliSession::TCliSession(const char* szCommand)
    : m_bComInitialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
{
    char szDataFolder[MAX_PATH] = "";
    const bool bDataFolder = GetAppDataFolder(szDataFolder);
    if (bDataFolder)
        AppIni.SetPath((std::string(szDataFolder) + kIniName).c_str());

    LoadSettings();

    if (bDataFolder)
        AppDebug.SetLogFolder(szDataFolder);
    AppDebug.EnableLog(AppSettings.EnableDebug);
    AppDebug.SetLogLevel(AppSettings.LogLevel);
    AppDebug.LogMessage(2, __FILE__, __LINE__, "Brindle Converter command line started (%s), settings from %s",
                        szCommand, AppIni.GetPath());
}

TCliSession::~TCliSession()
{
    if (m_bComInitialized)
        CoUninitialize();
}

TConversionObjects::TConversionObjects(int nMode, int nFlag)
{
    AppSettings.AppMode = nMode;
    AppSettings.AppFlag = nFlag;
    m_bCreated = CreateConvObjects();
}

TConversionObjects::~TConversionObjects() { DestroyConvObjects(); }
