#pragma once

#include <windows.h>

// The one way a window reaches the object behind it. The object is attached at WM_NCCREATE, from the last
// argument of CreateWindowEx, or by attachWindow() before a window of another class is subclassed; it is detached
// at WM_NCDESTROY, after which the window's last messages find no object. While attached, every message goes to
// `Owner::handle(HWND, UINT, WPARAM, LPARAM)`, which does its own default handling; no exception crosses into the
// system's code.
namespace marquill::win32 {

template <typename Owner>
void attachWindow(HWND window, Owner* owner) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
}

template <typename Owner>
LRESULT CALLBACK attachedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        // The A and W forms of the creation record keep lpCreateParams in the same place.
        attachWindow(window, static_cast<Owner*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) {
        return IsWindowUnicode(window) ? DefWindowProcW(window, message, wParam, lParam)
                                       : DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    try {
        return owner->handle(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

}  // namespace marquill::win32
