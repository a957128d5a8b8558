// The one compatibility header: the Windows and COM names the program calls.
// On Windows it is the real headers; elsewhere the platform layer provides them.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <oleauto.h>
#include <shellapi.h>
#include <shlobj.h>
#else
#include "platform/win/Types.h"
#include "platform/win/Time.h"
#include "platform/win/TextCut.h"
#include "platform/win/Registry.h"
#include "platform/win/Version.h"
#include "platform/win/Com.h"
#include "platform/win/Variant.h"
#include "platform/win/CodePage.h"
#include "platform/win/ClassRegistry.h"
#include "platform/win/Profile.h"
#include "platform/win/Shell.h"
#include "platform/win/FileSystem.h"
#endif

#include "platform/OleText.h"
