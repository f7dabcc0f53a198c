#pragma once

#include <windows.h>

#include <memory>

#include "app/main_controller.h"
#include "app/main_view.h"
#include "app/main_window_description.h"
#include "app/win32/appearance.h"
#include "app/win32/display_settings.h"
#include "app/win32/keyboard_navigation.h"
#include "app/win32/window_dpi.h"
#include "platform/ansi_codec.h"

namespace marquill::win32 {

// The main window over real controls, built from the window description. It passes the window's events to the
// controller and does what the controller asks of the window. The MainView names are the house style's.
class Win32MainView final : public MainView {
public:
    Win32MainView(HINSTANCE instance, const AnsiCodec& codec, const DisplaySettings& display);
    ~Win32MainView() override;

    // Creates the window with all its controls, then the controller, and runs the load event, which shows it; from
    // then on the window's events go to the controller. Before, they find none and go to DefWindowProc: a new
    // start's bring-back is answered as not done, and that start asks again until this copy has loaded. The view
    // owns the controller, so no event can reach one that is gone.
    bool create(const MainServices& services);
    HWND window() const { return window_; }

    // Tab and Shift+Tab between the controls by their tab indexes; true when `message` was such a key and is done.
    bool navigate(const MSG& message) { return keyboard_.handleTab(window_, message); }

    std::wstring text(int control) const override;
    void setText(int control, const std::wstring& text) override;
    void setVisible(int control, bool visible) override;
    void setBold(int control, bool bold) override;
    WindowHandle controlHandle(int control) const override;
    void setCaption(const std::wstring& caption) override;
    bool timerEnabled() const override { return timerEnabled_; }
    void setTimerEnabled(bool enabled) override;
    void setTrayRetryTimer(bool enabled) override;
    WindowState windowState() const override;
    void setWindowState(WindowState state) override;
    void hideWindow() override;
    void showWindow() override;
    WindowHandle windowHandle() const override;
    std::uint32_t iconHandle() const override;
    void messageBox(const std::wstring& text, const std::wstring& caption) override;
    void endProgram() override;

    // The tray's retry timer, beside the polling timer's id of the description.
    static constexpr UINT_PTR kTrayRetryTimer = mainwindow::id::kTmrAmp + 1;

    // The window's messages (main_window_messages.cpp), through attachedWindowProc.
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool registerClass() const;
    void allowMessagesFromLowerIntegrity() const;
    // The controller's events, then the window's DPI, its colours and the keyboard focus.
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT focus(UINT message, WPARAM wParam, LPARAM lParam);
    void command(int control, int notification);
    void optionClicked(int control);
    HWND item(int control) const { return GetDlgItem(window_, control); }

    HINSTANCE instance_;
    const AnsiCodec& codec_;
    WindowDpi dpi_;
    Appearance appearance_;
    KeyboardNavigation keyboard_;
    UINT taskbarCreated_ = 0;
    UINT bringBack_ = 0;

    HWND window_ = nullptr;
    std::unique_ptr<MainController> controller_;
    std::wstring title_;  // the title box's text at its last change
    bool timerEnabled_ = false;
};

}  // namespace marquill::win32
