#pragma once

#include <windows.h>

namespace marquill::win32 {

// The keyboard's way around the main window, as a dialog's: Tab and Shift+Tab walk the controls in the tab order
// of the window's description, skipping those hidden or disabled, and the focused control is kept over a switch
// to another program.
class KeyboardNavigation {
public:
    // True when `message` was Tab or Shift+Tab for `window` or one of its controls, and the focus has moved.
    bool handleTab(HWND window, const MSG& message);
    // The window is being deactivated: remember which of its controls had the focus.
    void deactivated(HWND window);
    // The window got the focus: give it back to that control, or else to the first one.
    void focused(HWND window);

private:
    void moveFocus(HWND window, bool backwards);

    HWND lastFocus_ = nullptr;
};

}  // namespace marquill::win32
