#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window_description.h"
#include "peers/remote_control.h"
#include "support/app_window.h"
#include "support/e2e_fixture.h"

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

// Only the release of the left button (and a double click) restores; pressing or moving over the icon must not.
TEST_F(TrayTest, ALeftClickOnTheIconRestoresTheWindow) {
    start();
    minimise(mainWindow());
    ASSERT_TRUE(peers::waitUntil([&] { return !IsWindowVisible(mainWindow()); }, kWaitMs));
    for (const WORD ignored : {WM_MOUSEMOVE, WM_LBUTTONDOWN}) {
        SendMessageTimeoutA(mainWindow(), kTrayCallback, 1, MAKELPARAM(ignored, 0), SMTO_ABORTIFHUNG, kWaitMs, nullptr);
        EXPECT_FALSE(IsWindowVisible(mainWindow())) << "mouse message " << ignored;
    }
    SendMessageTimeoutA(mainWindow(), kTrayCallback, 1, MAKELPARAM(WM_LBUTTONUP, 0), SMTO_ABORTIFHUNG, kWaitMs,
                        nullptr);
    ASSERT_TRUE(peers::waitUntil([&] { return IsWindowVisible(mainWindow()) != 0; }, kWaitMs));
    EXPECT_FALSE(IsIconic(mainWindow()));
    EXPECT_FALSE(IsZoomed(mainWindow()));
    EXPECT_TRUE(peers::waitUntil([&] { return GetForegroundWindow() == mainWindow(); }, kWaitMs));
    EXPECT_TRUE(peers::waitUntil([&] { return !trayIconShown(mainWindow()); }, kWaitMs))
        << "the icon goes once the window is back";
}

// When the shell restarts it forgets every icon; a program in the tray that does not add its icon again can
// never be brought back.
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
