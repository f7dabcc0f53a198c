#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/window_services.h"

namespace marquill::win32 {

inline HWND toHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

inline WindowHandle fromHwnd(HWND window) {
    return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

}  // namespace marquill::win32
