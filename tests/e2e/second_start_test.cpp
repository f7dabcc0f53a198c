#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "peers/app_process.h"
#include "peers/remote_control.h"
#include "platform/win32/owners.h"
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

    // Windows lets a process set the foreground only when, among others, the foreground process started it; Wine
    // lets anyone. So the test's own window is in front and starts the second copy, as the user's shell would.
    HWND shell = nullptr;
    peers.run([&] {
        shell = CreateWindowExA(0, "STATIC", "shell", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
        SetForegroundWindow(shell);
    });
    ASSERT_TRUE(peers::waitUntil([&] { return GetForegroundWindow() == shell; }, kWaitMs));
    peers::AppProcess second(MARQUILL_EXE);  // a copy of its own, in another folder
    EXPECT_FALSE(second.start()) << "the second start showed a window";
    DWORD exitCode = 1;
    ASSERT_TRUE(second.waitForExit(kWaitMs, exitCode)) << "the second start still runs";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(peers::waitUntil([&] { return IsWindowVisible(mainWindow()) && !IsIconic(mainWindow()); }, kWaitMs))
        << "the running copy did not come back";
    EXPECT_FALSE(trayIconShown(mainWindow()));
    EXPECT_TRUE(peers::waitUntil([&] { return GetForegroundWindow() == mainWindow(); }, kWaitMs));
    peers.run([&] { DestroyWindow(shell); });

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

// A copy started as administrator keeps its place out of a normal start's full access: a start that took the
// refusal for "no place" would run beside it and announce every song twice. Modelled by a place that grants only
// waiting on it (Wine refuses full access to it as Windows does): held, the start ends without a window, icon or
// timer; given up, as by a copy on its way out, the start runs.
TEST_F(AnnouncementTest, APlaceThatRefusesFullAccessIsARunningCopy) {
    for (const bool held : {true, false}) {
        SECURITY_ATTRIBUTES security = {sizeof security, nullptr, FALSE};
        ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(A;;0x100000;;;WD)", SDDL_REVISION_1,
                                                                         &security.lpSecurityDescriptor, nullptr));
        const win32::KernelHandle place(CreateMutexW(&security, held, L"Local\\MarquillAmp.RunningCopy"));
        LocalFree(security.lpSecurityDescriptor);
        ASSERT_TRUE(place);
        ASSERT_EQ(CreateMutexW(nullptr, TRUE, L"Local\\MarquillAmp.RunningCopy"), nullptr);
        ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << "the model lost its refusal";

        peers::AppProcess next(MARQUILL_EXE);
        EXPECT_EQ(next.start(), !held) << (held ? "a window beside the running copy" : "no window came");
        DWORD exitCode = 1;
        EXPECT_EQ(next.waitForExit(held ? kWaitMs + 2000 : 0, exitCode), held) << (held ? "held" : "given up");
        if (held) {
            EXPECT_EQ(exitCode, 0u);
            ReleaseMutex(place.get());
        }
    }
}

}  // namespace
}  // namespace marquill::test
