#include "app/win32/window_dpi.h"

#include "app/main_window_description.h"
#include "app/win32/later_user32.h"
#include "app/win32/newer_windows.h"

namespace marquill::win32 {
namespace {

int systemDpi() {
    const ScreenDc screen;
    return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

}  // namespace

int systemMetricForDpi(int index, int dpi) {
    using GetMetric = int(WINAPI*)(int, UINT);
    const auto getMetric = laterUser32Function<GetMetric>("GetSystemMetricsForDpi");
    return getMetric ? getMetric(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

WindowDpi::WindowDpi(HINSTANCE instance, DWORD style, DWORD exStyle, const DisplaySettings& display)
    : instance_(instance),
      style_(style),
      exStyle_(exStyle),
      display_(display),
      resources_(loadControlResources(instance, systemDpi())) {}

RECT WindowDpi::frameAt(int dpi) const {
    // AdjustWindowRectExForDpi is Windows 10 1607's; before, the frame at the system's DPI.
    using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = laterUser32Function<Adjust>("AdjustWindowRectExForDpi");
    RECT frame = {0, 0, mainwindow::twipsToPixels(mainwindow::kClientWidthTwips, dpi),
                  mainwindow::twipsToPixels(mainwindow::kClientHeightTwips, dpi)};
    if (!adjust || !adjust(&frame, style_, FALSE, exStyle_, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&frame, style_, FALSE, exStyle_);
    }
    return frame;
}

void WindowDpi::settle(HWND window) {
    if (const int shownAt = display_.windowDpi(window, resources_.dpi); shownAt != resources_.dpi) {
        const RECT frame = frameAt(shownAt);
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        use(window, shownAt);
    }
}

std::optional<LRESULT> WindowDpi::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDpiChanged) {
        // The DPI Windows gave the window before it told of it; the message's words are anyone's to send.
        changed(window, display_.windowDpi(window, HIWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    if (message == kGetDpiScaledSize) {
        const RECT frame = frameAt(static_cast<int>(wParam));
        *reinterpret_cast<SIZE*>(lParam) = {frame.right - frame.left, frame.bottom - frame.top};
        return TRUE;
    }
    return std::nullopt;
}

void WindowDpi::use(HWND window, int dpi) {
    ControlResources next = loadControlResources(instance_, dpi);
    layOutControls(window, resources_, next);
    resources_ = std::move(next);
}

void WindowDpi::changed(HWND window, int dpi, const RECT& suggested) {
    if (IsIconic(window)) {
        // Usually hidden in the tray: nothing moves now, and it comes back where it was, at the new DPI's size.
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        GetWindowPlacement(window, &placement);
        const RECT frame = frameAt(dpi);
        RECT& normal = placement.rcNormalPosition;
        normal.right = normal.left + frame.right - frame.left;
        normal.bottom = normal.top + frame.bottom - frame.top;
        placement.showCmd = IsWindowVisible(window) ? SW_SHOWMINNOACTIVE : SW_HIDE;
        SetWindowPlacement(window, &placement);
    } else {
        // The rectangle this window asked for at the new DPI (WM_GETDPISCALEDSIZE).
        SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    use(window, dpi);
}

}  // namespace marquill::win32
