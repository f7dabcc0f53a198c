#include "app/win32/keyboard_navigation.h"

#include <algorithm>
#include <vector>

#include "app/main_window_description.h"

namespace marquill::win32 {

bool KeyboardNavigation::handleTab(HWND window, const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || !window ||
        (message.hwnd != window && !IsChild(window, message.hwnd)) || GetKeyState(VK_CONTROL) < 0) {
        return false;
    }
    moveFocus(window, GetKeyState(VK_SHIFT) < 0);
    return true;
}

void KeyboardNavigation::deactivated(HWND window) {
    const HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) {
        lastFocus_ = focus;
    }
}

void KeyboardNavigation::focused(HWND window) {
    if (lastFocus_ && IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
    } else {
        moveFocus(window, false);
    }
}

void KeyboardNavigation::moveFocus(HWND window, bool backwards) {
    static const std::vector<int> order = mainwindow::tabOrder();
    const auto count = static_cast<int>(order.size());
    const auto focused = std::find(order.begin(), order.end(), GetDlgCtrlID(GetFocus()));
    int position = focused == order.end() ? (backwards ? 0 : -1) : static_cast<int>(focused - order.begin());
    for (int step = 0; step < count; ++step) {
        position = (position + (backwards ? count - 1 : 1)) % count;
        const HWND candidate = GetDlgItem(window, order[static_cast<std::size_t>(position)]);
        if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

}  // namespace marquill::win32
