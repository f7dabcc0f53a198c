#include "support/app_window.h"

#include <shellapi.h>

namespace marquill::test {

RECT clientRectOf(HWND mainWindow, HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND focusOf(HWND mainWindow) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(mainWindow, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

namespace {

NOTIFYICONDATAA iconOf(HWND owner) {
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = owner;
    icon.uID = 1;
    return icon;
}

}  // namespace

bool trayIconShown(HWND owner) {
    NOTIFYICONDATAA probe = iconOf(owner);
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != 0;  // changes nothing: no flags
}

bool removeTrayIcon(HWND owner) {
    NOTIFYICONDATAA icon = iconOf(owner);
    return Shell_NotifyIconA(NIM_DELETE, &icon) != 0;
}

}  // namespace marquill::test
