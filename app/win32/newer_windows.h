#pragma once

#include <windows.h>

// The numbers of messages and flags that Windows added after the system the headers are set for: the program looks
// the newer calls up and runs without them. Each is named once, for the program and its tests, and checked against
// the system's own headers (newer_windows_check.cpp).
namespace marquill::win32 {

constexpr UINT kButtonSetDontClick = 0x00F8;  // BM_SETDONTCLICK, Windows Vista on
constexpr DWORD kMessageFilterAllow = 1;      // MSGFLT_ALLOW, Windows 7 on
constexpr UINT kDpiChanged = 0x02E0;          // WM_DPICHANGED, Windows 8.1 on
constexpr UINT kGetDpiScaledSize = 0x02E4;    // WM_GETDPISCALEDSIZE, Windows 10 1703 on

}  // namespace marquill::win32
