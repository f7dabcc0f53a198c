#pragma once

#include <windows.h>

#include <optional>

#include "app/win32/control_factory.h"
#include "app/win32/display_settings.h"

namespace marquill::win32 {

// The window at the DPI of the monitor it is on. It is made at the system's DPI, laid out again when it opens on a
// monitor of another, and again whenever Windows tells of a change, also while it waits minimised; and Windows asks
// it for its size at another DPI, since its frame scales apart from its client area. Its fonts and icons are those
// of its DPI, the old ones freed at each change.
class WindowDpi {
public:
    WindowDpi(HINSTANCE instance, DWORD style, DWORD exStyle, const DisplaySettings& display);

    const ControlResources& resources() const { return resources_; }
    // The window's frame around its client area at `dpi`, the client area's corner at 0, 0.
    RECT frameAt(int dpi) const;
    // Once its controls are made: a window on a monitor of another DPI (per monitor, or one changed since logon) is
    // laid out for that one.
    void settle(HWND window);
    // WM_DPICHANGED and WM_GETDPISCALEDSIZE; nothing for any other message.
    std::optional<LRESULT> handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // The controls' places, fonts and icons made again for `dpi`, the old ones freed.
    void use(HWND window, int dpi);
    // Minimised, the window is only given its size at `dpi` for its return.
    void changed(HWND window, int dpi, const RECT& suggested);

    HINSTANCE instance_;
    DWORD style_;
    DWORD exStyle_;
    const DisplaySettings& display_;
    ControlResources resources_;
};

// GetSystemMetricsForDpi (Windows 10 1607 on), or the metric at the system's DPI without it.
int systemMetricForDpi(int index, int dpi);

}  // namespace marquill::win32
