// The one compatibility header: the Windows and COM names the program calls. On Windows
// they are the real headers; elsewhere the platform layer provides them. Either way the
// platform layer adds the few helpers of its own that each header names in `platform::`.
#pragma once

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

#include "platform/OleText.h"
