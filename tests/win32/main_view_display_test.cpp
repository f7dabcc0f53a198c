#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/newer_windows.h"
#include "tests/support/expected_layout.h"
#include "tests/win32/support/main_view_fixture.h"

namespace marquill::win32 {
namespace {

namespace layout = test::layout;

// With a high-contrast theme the template boxes take the system's window colours, or their text may be unreadable
// on their own background; the theme is followed while the program runs, both ways.
TEST_F(MainViewTest, HighContrastGivesTheTemplateBoxesTheSystemColours) {
    ASSERT_TRUE(created);
    const COLORREF own[] = {RGB(255, 251, 240), RGB(212, 228, 244), RGB(238, 223, 242), RGB(255, 255, 255)};
    for (const bool highContrast : {false, true, false}) {
        ui.run([&] {
            display.highContrastOn = highContrast;
            SendMessageW(view->window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        });
        for (int client = 0; client < 4; ++client) {
            const std::string name = "txtData(" + std::to_string(client) + ")";
            const HDC dc = CreateCompatibleDC(nullptr);
            SetBkColor(dc, RGB(1, 2, 3));
            SetTextColor(dc, RGB(4, 5, 6));
            const auto brush =
                reinterpret_cast<HBRUSH>(SendMessageW(view->window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(control(name))));
            LOGBRUSH painted = {};
            GetObjectW(brush, sizeof painted, &painted);
            const COLORREF background = highContrast ? GetSysColor(COLOR_WINDOW) : own[client];
            EXPECT_EQ(painted.lbColor, background) << name << " high contrast " << highContrast;
            EXPECT_EQ(GetBkColor(dc), background) << name << " high contrast " << highContrast;
            if (highContrast) {
                EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT)) << name;
            }
            DeleteDC(dc);
        }
    }
}

// On a monitor of another DPI, or after the user changed the scale, the window lays every control out again from
// its twips with fonts and icons made for the DPI it now has, the old ones freed: nothing stretched, nothing scaled
// twice, nothing leaked over many changes. The picture stays the 32 x 32 image; the tray gets the small icon.
TEST_F(MainViewTest, EveryDpiChangeLaysTheWindowOutAgain) {
    ASSERT_TRUE(created);
    const auto iconSize = [](HICON icon) {
        ICONINFO info = {};
        if (!GetIconInfo(icon, &info)) {
            return 0;
        }
        BITMAP bitmap = {};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return static_cast<int>(bitmap.bmWidth);
    };
    // The window's own, or where it has none (at the system's DPI) its class's.
    const auto titleBarIcon = [&](WPARAM type, int classIndex) {
        const auto own = reinterpret_cast<HICON>(SendMessageW(view->window(), WM_GETICON, type, 0));
        return own ? own : reinterpret_cast<HICON>(GetClassLongPtrW(view->window(), classIndex));
    };
    const HWND regular = control("optFormate(1)");
    const HWND bold = control("optFormate(0)");
    // The window's DPI, and the message's words: any program can send one, with words of its own.
    const std::pair<int, int> changes[] = {{144, 144}, {192, 192}, {96, 96}, {144, 192}};
    for (int round = 0; round < 13; ++round) {  // fifty-two changes
        for (const auto& [dpi, words] : changes) {
            const auto before = std::vector<HGDIOBJ>{
                reinterpret_cast<HGDIOBJ>(SendMessageW(regular, WM_GETFONT, 0, 0)),
                reinterpret_cast<HGDIOBJ>(SendMessageW(bold, WM_GETFONT, 0, 0)),
            };
            const auto iconsBefore = std::vector<HICON>{
                reinterpret_cast<HICON>(SendMessageW(view->window(), WM_GETICON, ICON_BIG, 0)),
                reinterpret_cast<HICON>(SendMessageW(view->window(), WM_GETICON, ICON_SMALL, 0)),
                reinterpret_cast<HICON>(SendMessageW(control("Image1"), STM_GETICON, 0, 0)),
            };
            ui.run([&, dpi = dpi, words = words] {
                display.dpi = dpi;
                // Wine keeps the frame's size at a synthetic DPI change: the suggested rectangle is this frame
                // around the client area at the new DPI.
                RECT suggested;
                RECT client;
                GetWindowRect(view->window(), &suggested);
                GetClientRect(view->window(), &client);
                suggested.right += layout::pixelsOf(layout::kClientWidthTwips, dpi) - client.right;
                suggested.bottom += layout::pixelsOf(layout::kClientHeightTwips, dpi) - client.bottom;
                SendMessageW(view->window(), kDpiChanged, MAKEWPARAM(words, words),
                             reinterpret_cast<LPARAM>(&suggested));
            });
            for (const HGDIOBJ font : before) {
                EXPECT_EQ(GetObjectType(font), 0u)
                    << "a font of the DPI before " << dpi << " was kept, round " << round;
            }
            for (const HICON icon : iconsBefore) {
                EXPECT_EQ(iconSize(icon), 0) << "an icon of the DPI before " << dpi << " was kept, round " << round;
            }
            if (round > 0) {
                continue;
            }
            expectLaidOutAt(dpi);
            EXPECT_EQ(iconSize(titleBarIcon(ICON_BIG, GCLP_HICON)), dpi / 3) << dpi;
            EXPECT_EQ(iconSize(titleBarIcon(ICON_SMALL, GCLP_HICONSM)), dpi / 6) << dpi;
            EXPECT_EQ(iconSize(reinterpret_cast<HICON>(SendMessageW(control("Image1"), STM_GETICON, 0, 0))), 32) << dpi;
            EXPECT_EQ(iconSize(reinterpret_cast<HICON>(static_cast<std::uintptr_t>(view->iconHandle()))), dpi / 6)
                << dpi;
        }
    }
}

// A change while the window is minimised, in the tray or on the taskbar, moves and shows nothing; the window comes
// back at its size at the new DPI, its controls laid out for it. Taking the suggested rectangle then left its
// restore size at the old DPI: it came back clipped or stretched.
TEST_F(MainViewTest, ADpiChangeWhileMinimisedShowsOnReturn) {
    ASSERT_TRUE(created);
    for (const auto& [dpi, inTray] : {std::pair{144, true}, std::pair{192, false}}) {
        RECT minimised[2] = {};
        RECT restored = {};
        bool shown = true;
        ui.run([&, dpi = dpi, inTray = inTray] {
            ShowWindow(view->window(), SW_MINIMIZE);  // into the tray
            if (!inTray) {
                view->setWindowState(WindowState::Minimised);
            }
            GetWindowRect(view->window(), &minimised[0]);
            display.dpi = dpi;
            SendMessageW(view->window(), kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&minimised[0]));
            GetWindowRect(view->window(), &minimised[1]);
            shown = IsWindowVisible(view->window()) != 0;
            SendMessageW(view->window(), WM_MOUSEMOVE, 0, WM_LBUTTONUP);  // a click on the tray icon
            GetWindowRect(view->window(), &restored);
        });
        EXPECT_EQ(shown, !inTray) << dpi;
        EXPECT_TRUE(EqualRect(&minimised[0], &minimised[1])) << dpi;
        // Windows scales the frame with the DPI; Wine keeps it, so the window is checked by its outer size.
        const RECT frame = frameAt(dpi);
        EXPECT_EQ(restored.right - restored.left, frame.right - frame.left) << dpi;
        EXPECT_EQ(restored.bottom - restored.top, frame.bottom - frame.top) << dpi;
        expectLaidOutAt(dpi, false);
    }
}

// Windows asks the window for its size at the DPI it is going to (WM_GETDPISCALEDSIZE): the frame scales apart from
// the client area, so a size scaled by Windows alone would clip the controls or leave a margin. A window that opens
// on a monitor of another DPI than the system's is laid out for that monitor at once.
TEST_F(MainViewTest, TheWindowIsItsSizeAtTheDpiOfItsMonitor) {
    ASSERT_TRUE(created);
    for (const int dpi : {96, 144, 192}) {
        SIZE size = {};
        const LRESULT answered = SendMessageW(view->window(), kGetDpiScaledSize, dpi, reinterpret_cast<LPARAM>(&size));
        const RECT frame = frameAt(dpi);
        EXPECT_TRUE(answered) << dpi;
        EXPECT_EQ(size.cx, frame.right - frame.left) << dpi;
        EXPECT_EQ(size.cy, frame.bottom - frame.top) << dpi;
    }
    display.dpi = 144;
    create();
    ASSERT_TRUE(created);
    RECT window;
    GetWindowRect(view->window(), &window);
    const RECT frame = frameAt(144);
    EXPECT_EQ(window.right - window.left, frame.right - frame.left);
    EXPECT_EQ(window.bottom - window.top, frame.bottom - frame.top);
    expectLaidOutAt(144, false);
}

}  // namespace
}  // namespace marquill::win32
