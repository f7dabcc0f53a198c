// The headers set for Windows 10, which name the newer numbers.
#undef WINVER
#undef _WIN32_WINNT
#define WINVER 0x0A00
#define _WIN32_WINNT 0x0A00

#include "app/win32/newer_windows.h"

namespace marquill::win32 {

static_assert(kButtonSetDontClick == BM_SETDONTCLICK);
static_assert(kMessageFilterAllow == MSGFLT_ALLOW);
static_assert(kDpiChanged == WM_DPICHANGED);
static_assert(kGetDpiScaledSize == WM_GETDPISCALEDSIZE);

}  // namespace marquill::win32
