// The real Windows headers, for a Windows build; each stand-in header of this folder takes
// them in its place. Only the A functions are called, so UNICODE stays undefined.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <shellapi.h>
#include <shlobj.h>
#include <winver.h>
