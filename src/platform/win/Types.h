// Basic Windows scalar and handle types, with the sizes they have on Windows.
#pragma once

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else

#include <cstddef>
#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using CHAR = char;
using WCHAR = char16_t;  // UTF-16 as on Windows; wchar_t is four bytes here
using OLECHAR = char16_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
using LPVOID = void*;
using LPCVOID = const void*;
using PVOID = void*;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;
using PUINT = UINT*;

using HANDLE = void*;
using HWND = struct HWND__*;
using HINSTANCE = struct HINSTANCE__*;
using HMODULE = HINSTANCE;

// An OLECHAR string literal, as the Windows headers spell it.
#define OLESTR(str) u##str

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

constexpr std::size_t MAX_PATH = 260;

constexpr WORD LOWORD(DWORD value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(DWORD value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }

#endif  // _WIN32
