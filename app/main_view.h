#pragma once

#include <cstdint>
#include <string>

#include "platform/window_services.h"

namespace marquill {

enum class WindowState { Normal = 0, Minimised = 1, Maximised = 2 };

// The main window as its controller sees it. Controls are named by their ids of the window description.
// The title box decides alone when its text has changed: whoever changes it (setText, the user typing, another
// program), the view calls MainController::titleChanged at once, inside that change, and never when the same text
// was written again.
// Names: the house style's; the controls keep their requirement names in the window description.
class MainView {
public:
    MainView() = default;
    MainView(const MainView&) = delete;
    MainView& operator=(const MainView&) = delete;
    virtual ~MainView() = default;

    // The text of a text box, or the caption of any other control.
    virtual std::wstring text(int control) const = 0;
    virtual void setText(int control, const std::wstring& text) = 0;
    virtual void setVisible(int control, bool visible) = 0;
    virtual void setBold(int control, bool bold) = 0;
    virtual WindowHandle controlHandle(int control) const = 0;

    virtual void setCaption(const std::wstring& caption) = 0;
    virtual bool timerEnabled() const = 0;
    virtual void setTimerEnabled(bool enabled) = 0;
    // A timer of the window's own, every kTrayRetryIntervalMs, that raises MainController::trayRetryTick.
    virtual void setTrayRetryTimer(bool enabled) = 0;

    virtual WindowState windowState() const = 0;
    // Minimised: shown minimised on the taskbar, never taking the focus from what the user is doing.
    virtual void setWindowState(WindowState state) = 0;
    virtual void hideWindow() = 0;
    // Shows the window modeless and repaints it at once.
    virtual void showWindow() = 0;
    virtual WindowHandle windowHandle() const = 0;
    // The window's small icon at its DPI now, for the tray, as the 32-bit handle the tray record carries.
    virtual std::uint32_t iconHandle() const = 0;

    // A modal box with an OK button; returns when it is dismissed.
    virtual void messageBox(const std::wstring& text, const std::wstring& caption) = 0;
    // Closes the window and ends the program; no handler runs after it.
    virtual void endProgram() = 0;
};

}  // namespace marquill
