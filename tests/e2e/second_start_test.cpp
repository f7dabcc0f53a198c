#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "peers/app_process.h"
#include "peers/remote_control.h"
#include "tests/e2e/support/announcement_fixture.h"
#include "tests/e2e/support/app_window.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using peers::ChatClient;

// A user who minimised the program to the tray (where Windows hides new icons) thinks it closed and starts it again:
// the copy that runs must come back, and the new start must end without a window, icon or timer of its own, or two
// copies poll and every song goes out twice.
TEST_F(AnnouncementTest, ASecondStartBringsTheFirstBackAndEnds) {
    hostChats({ChatClient::Mirc});
    hostPlayer(kFirstSong.title, kFirstSong.replies);
    start();
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    ASSERT_TRUE(sentWithin(ChatClient::Mirc, 1));
    PostMessageA(mainWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(
        peers::waitUntil([&] { return trayIconShown(mainWindow()) && !IsWindowVisible(mainWindow()); }, kWaitMs));

    peers::AppProcess second(MARQUILL_EXE);  // a copy of its own, in another folder
    EXPECT_FALSE(second.start()) << "the second start showed a window";
    DWORD exitCode = 1;
    ASSERT_TRUE(second.waitForExit(kWaitMs, exitCode)) << "the second start still runs";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(peers::waitUntil([&] { return IsWindowVisible(mainWindow()) && !IsIconic(mainWindow()); }, kWaitMs))
        << "the running copy did not come back";
    EXPECT_FALSE(trayIconShown(mainWindow()));
    EXPECT_TRUE(peers::waitUntil([&] { return GetForegroundWindow() == mainWindow(); }, kWaitMs));

    player->setTitle(kSecondSong.title);
    ASSERT_TRUE(sentWithin(ChatClient::Mirc, 2));
    Sleep(500);  // fifty ticks
    EXPECT_EQ(sent(ChatClient::Mirc).size(), 2u) << "one announcement per song";
}

// A start while the running copy is closing must not be lost: the closing copy gives its place up on its way out,
// and the new start runs as any start does.
TEST_F(AnnouncementTest, AStartWhileTheRunningCopyClosesRunsNormally) {
    start();
    ASSERT_TRUE(peers::requestClose(mainWindow()));
    peers::AppProcess next(MARQUILL_EXE);
    EXPECT_TRUE(next.start()) << "no window came";
    DWORD exitCode = 0;
    EXPECT_TRUE(app().waitForExit(kWaitMs, exitCode)) << "the first copy did not end";
    EXPECT_TRUE(IsWindowVisible(next.mainWindow()));
}

}  // namespace
}  // namespace marquill::test
