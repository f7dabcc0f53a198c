#include "tests/e2e/support/app_window.h"

#include <shellapi.h>

#include "peers/remote_control.h"

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

constexpr int kMessageBoxTextId = 0xFFFF;

struct BoxSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK matchOwnedBox(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<BoxSearch*>(state);
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    if (GetWindow(window, GW_OWNER) != search->owner || std::string(className) != "#32770" ||
        !IsWindowVisible(window)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
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

HWND messageBoxOver(HWND mainWindow, DWORD timeoutMs) {
    BoxSearch search = {mainWindow, nullptr};
    peers::waitUntil(
        [&] {
            EnumWindows(matchOwnedBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

std::string messageBoxText(HWND box) {
    return peers::controlText(GetDlgItem(box, kMessageBoxTextId));
}

}  // namespace marquill::test
