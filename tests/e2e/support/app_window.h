#pragma once

#include <windows.h>

#include <string>

namespace marquill::test {

// What a user or another program can see of the running program's window from outside.

// A control's rectangle in the main window's client area, in pixels.
RECT clientRectOf(HWND mainWindow, HWND window);

// The window that has the keyboard focus in the program's user-interface thread.
HWND focusOf(HWND mainWindow);

// Whether the notification area holds an icon of `owner` with id 1: only an icon that is there can be modified.
bool trayIconShown(HWND owner);

// Takes the icon away as a restarting shell does; true when there was one.
bool removeTrayIcon(HWND owner);

// A message box the program shows over its main window (a dialog that window owns), once it is on screen; null
// when none came within `timeoutMs`.
HWND messageBoxOver(HWND mainWindow, DWORD timeoutMs);

// The text a message box shows.
std::string messageBoxText(HWND box);

}  // namespace marquill::test
