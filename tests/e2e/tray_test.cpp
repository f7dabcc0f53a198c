#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "peers/remote_control.h"
#include "tests/e2e/support/app_window.h"
#include "tests/e2e/support/e2e_fixture.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using TrayTest = EndToEndTest;

constexpr UINT kTrayCallback = WM_MOUSEMOVE;

void minimise(HWND window) {
    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

// Minimising must trade the window for the icon; a window left on the taskbar or an icon never added strands
// the user.
TEST_F(TrayTest, MinimisingHidesTheWindowIntoTheTray) {
    start();
    EXPECT_FALSE(trayIconShown(mainWindow())) << "no icon while the window is on screen";
    minimise(mainWindow());
    ASSERT_TRUE(peers::waitUntil([&] { return !IsWindowVisible(mainWindow()); }, kWaitMs));
    EXPECT_TRUE(peers::waitUntil([&] { return trayIconShown(mainWindow()); }, kWaitMs));
}

void reportFromTray(HWND window, WORD mouseMessage) {
    SendMessageTimeoutA(window, kTrayCallback, 1, MAKELPARAM(mouseMessage, 0), SMTO_ABORTIFHUNG, kWaitMs, nullptr);
}

// Only the release of the left button (and a double click) restores, and always to the normal state, also when
// the window was maximised (by ShowWindow or the window menu) before it went to the tray; pressing or moving over
// the icon must not restore.
TEST_F(TrayTest, ALeftClickOnTheIconRestoresTheWindow) {
    enum class Before { Normal, ShowWindowMaximised, MenuMaximised };
    start();
    RECT normal;
    GetWindowRect(mainWindow(), &normal);
    for (const Before before : {Before::Normal, Before::ShowWindowMaximised, Before::MenuMaximised}) {
        const int row = static_cast<int>(before);
        if (before == Before::ShowWindowMaximised) {
            ShowWindow(mainWindow(), SW_MAXIMIZE);
        } else if (before == Before::MenuMaximised) {
            PostMessageA(mainWindow(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        ASSERT_TRUE(peers::waitUntil([&] { return IsZoomed(mainWindow()) == (before != Before::Normal); }, kWaitMs));
        minimise(mainWindow());
        ASSERT_TRUE(peers::waitUntil([&] { return trayIconShown(mainWindow()); }, kWaitMs)) << "row " << row;
        for (const WORD ignored : {WM_MOUSEMOVE, WM_LBUTTONDOWN}) {
            reportFromTray(mainWindow(), ignored);
            EXPECT_FALSE(IsWindowVisible(mainWindow())) << "mouse message " << ignored;
        }
        reportFromTray(mainWindow(), WM_LBUTTONUP);
        ASSERT_TRUE(peers::waitUntil([&] { return IsWindowVisible(mainWindow()) != 0; }, kWaitMs)) << "row " << row;
        Sleep(500);  // under Wine a late event of the display once set WS_MAXIMIZE again
        EXPECT_FALSE(IsIconic(mainWindow())) << "row " << row;
        EXPECT_EQ(GetWindowLongA(mainWindow(), GWL_STYLE) & WS_MAXIMIZE, 0) << "row " << row;
        RECT restored;
        GetWindowRect(mainWindow(), &restored);
        EXPECT_TRUE(EqualRect(&restored, &normal)) << "row " << row;
        EXPECT_TRUE(peers::waitUntil([&] { return GetForegroundWindow() == mainWindow(); }, kWaitMs));
        EXPECT_TRUE(peers::waitUntil([&] { return !trayIconShown(mainWindow()); }, kWaitMs))
            << "the icon goes once the window is back";
    }
}

// At 144 DPI the client area is 518 pixels wide, so the pointer can be at x = 514, 515 or 517 over the window
// itself: that must not pull the window to the foreground as a click on the icon does.
TEST_F(TrayTest, ThePointerOverTheShownWindowNeverRestores) {
    start();
    HWND other = nullptr;
    peers.run([&] {
        other = CreateWindowExA(0, "STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 100, 200, 100,
                                nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(other);
    });
    ASSERT_TRUE(peers::waitUntil([&] { return GetForegroundWindow() == other; }, kWaitMs));
    for (const int x : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP}) {
        SendMessageTimeoutA(mainWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 40), SMTO_ABORTIFHUNG, kWaitMs, nullptr);
        EXPECT_EQ(GetForegroundWindow(), other) << "x = " << x;
        EXPECT_TRUE(IsWindowVisible(mainWindow())) << "x = " << x;
    }
    peers.run([&] { DestroyWindow(other); });
}

// When the shell restarts it forgets every icon; a program in the tray that does not add its icon again can
// never be brought back. When only its display changed it keeps them, and says the same: the window stays in the
// tray, and a click on the icon still brings it back.
TEST_F(TrayTest, TheIconComesBackWhenTheShellRestarts) {
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    start();
    SendMessageTimeoutA(mainWindow(), taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, kWaitMs, nullptr);
    EXPECT_FALSE(trayIconShown(mainWindow())) << "a window on screen has no icon to restore";

    minimise(mainWindow());
    ASSERT_TRUE(peers::waitUntil([&] { return trayIconShown(mainWindow()); }, kWaitMs));
    ASSERT_TRUE(removeTrayIcon(mainWindow()));
    SendMessageTimeoutA(mainWindow(), taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, kWaitMs, nullptr);
    EXPECT_TRUE(trayIconShown(mainWindow()));
    EXPECT_FALSE(IsWindowVisible(mainWindow())) << "re-adding the icon does not restore the window";

    SendMessageTimeoutA(mainWindow(), taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, kWaitMs, nullptr);  // icon kept
    Sleep(200);
    EXPECT_FALSE(IsWindowVisible(mainWindow())) << "the kept icon was taken for a lost one";
    reportFromTray(mainWindow(), WM_LBUTTONUP);
    EXPECT_TRUE(peers::waitUntil([&] { return IsWindowVisible(mainWindow()) && !IsIconic(mainWindow()); }, kWaitMs));
    EXPECT_TRUE(peers::waitUntil([&] { return !trayIconShown(mainWindow()); }, kWaitMs));
}

// Closing must end the process, with success and without saving anything, whether the window is on screen or in
// the tray.
TEST_F(TrayTest, ClosingEndsTheProgramFromEitherState) {
    for (const bool inTray : {false, true}) {
        start();
        if (inTray) {
            minimise(mainWindow());
            ASSERT_TRUE(peers::waitUntil([&] { return !IsWindowVisible(mainWindow()); }, kWaitMs));
        }
        ASSERT_TRUE(peers::requestClose(mainWindow()));
        DWORD exitCode = 1234;
        ASSERT_TRUE(app().waitForExit(kWaitMs, exitCode)) << (inTray ? "from the tray" : "from the screen");
        EXPECT_EQ(exitCode, 0u) << (inTray ? "from the tray" : "from the screen");
        EXPECT_EQ(app().files(), std::vector<std::string>{"MarquillAmp.exe"});
    }
}

}  // namespace
}  // namespace marquill::test
