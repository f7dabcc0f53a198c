#pragma once

#include <windows.h>

#include <map>
#include <optional>

#include "app/win32/display_settings.h"
#include "platform/win32/owners.h"

namespace marquill::win32 {

// The controls' colours: the template boxes' own tints, or, under a high-contrast theme, the system's colours for
// every control, read again whenever a setting changes.
class Appearance {
public:
    explicit Appearance(const DisplaySettings& display);

    // Reads whether a high-contrast theme is on, and draws the window again when that changed.
    void readSetting(HWND window);
    // WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC: the brush of a control with a colour of its own, its text's background
    // set; WM_SETTINGCHANGE, WM_SYSCOLORCHANGE: the setting read again. Nothing where the window's default serves.
    std::optional<LRESULT> handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    const DisplaySettings& display_;
    std::map<int, GdiObject<HBRUSH>> backgrounds_;  // by control id, for the controls with a colour of their own
    bool highContrast_ = false;
};

}  // namespace marquill::win32
