#pragma once

#include <windows.h>

// Functions of user32 that later versions of Windows added, looked up at run time: the program also runs where
// they are missing, and the headers are set for the oldest system it runs on.
namespace marquill::win32 {

// The function `name` of user32 as `Function`, or null.
template <typename Function>
Function laterUser32Function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// GetSystemMetricsForDpi (Windows 10 1607 on), or the metric at the system DPI without it.
int systemMetricForDpi(int index, int dpi);

// The window rectangle around a client area of `width` by `height` at `dpi`, placed at 0, 0
// (AdjustWindowRectExForDpi, or AdjustWindowRectEx at the system DPI without it).
RECT frameAround(int width, int height, DWORD style, DWORD exStyle, int dpi);

}  // namespace marquill::win32
