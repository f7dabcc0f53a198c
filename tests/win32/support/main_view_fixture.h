#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_controller.h"
#include "app/win32/display_settings.h"
#include "app/win32/win32_main_view.h"
#include "platform/sim/sim_files.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_shared_memory.h"
#include "platform/win32/win32_window_services.h"
#include "tests/win32/support/window_thread.h"

// The real main window in the test's own process, and the Windows behaviours Wine lacks, modelled as Windows
// documents them.
namespace marquill::win32 {

std::string classOf(HWND window);
std::string textOf(HWND window);
std::wstring wideTextOf(HWND window);

// Wine refuses SPI_SETHIGHCONTRAST, and its GetDpiForWindow answers the system's 96 whatever the window was told
// (both measured), so the setting and the DPI Windows gives a window before it sends WM_DPICHANGED are the test's.
struct ModelledDisplay final : DisplaySettings {
    int windowDpi(HWND, int fallback) const override { return dpi != 0 ? dpi : fallback; }
    bool highContrast() const override { return highContrastOn; }

    int dpi = 0;  // none: the window is where it was created
    bool highContrastOn = false;
};

// Windows sends BN_CLICKED for a radio button that gets the focus from the keyboard, unless the button was told
// BM_SETDONTCLICK; Wine never does. Under this model the options behave as Windows documents: a hook notes, on the
// window's thread from its creation on, which buttons were told; the subclass clicks the others on focus.
struct ClickedByFocus {
    WNDPROC original;

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// The real main window, created in this process on a thread of its own as the program creates it, with no template
// files beside it, its options clicked by the focus as Windows clicks them. A bring-back, a click on the switch and
// a tick are sent to it before its load step, as any program could send them. Destroying it ends that thread's
// message loop, so it lives as long as the test.
class MainViewTest : public ::testing::Test {
protected:
    MainViewTest() { create(); }
    // Under Wine, hiding the shown window waits about 2 s for the X server; every test pays it once.
    ~MainViewTest() override;

    // The window made again, as the program makes it with the display as it is now.
    void create();
    HWND control(const std::string& name) const;
    // The window's frame around its client area at `dpi`, as Windows draws it.
    RECT frameAt(int dpi) const;
    // Every control's place, and its font's face, height and weight, at `dpi`, as the layout describes them; and the
    // client area's size, unless the window sized itself by Windows' frame at `dpi`, which Wine does not draw.
    void expectLaidOutAt(int dpi, bool clientArea = true) const;

    Win32AnsiCodec codec;
    Win32WindowServices windows{codec};
    Win32Clock clock;
    Win32EventPump events;
    sim::SimFiles files{L"C:\\MarquillViewTest"};
    Win32SharedMemory memory;
    ModelledDisplay display;
    test::WindowThread ui;
    std::unique_ptr<Win32MainView> view;
    ClickedByFocus options[4] = {};
    bool created = false;
    LRESULT broughtBackBeforeLoad = 0;
};

}  // namespace marquill::win32
