#include "platform/win32/win32_event_pump.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

#include "platform/win32/win32_clock.h"

namespace marquill::win32 {
namespace {

int dispatchedToTarget = 0;

LRESULT CALLBACK countingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        ++dispatchedToTarget;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

unsigned long long busyTime100ns() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    return (static_cast<unsigned long long>(kernel.dwHighDateTime) << 32 | kernel.dwLowDateTime) +
           (static_cast<unsigned long long>(user.dwHighDateTime) << 32 | user.dwLowDateTime);
}

// The wait after a failed command loops on the pump for up to ten seconds; it must neither burn a core
// nor sit on pending messages.
TEST(Win32EventPump, SleepsBrieflyWhenIdleAndDispatchesWhatIsPending) {
    Win32EventPump pump;
    const auto start = std::chrono::steady_clock::now();
    const unsigned long long busyBefore = busyTime100ns();
    int passes = 0;
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(500)) {
        pump.processPendingEvents();
        ++passes;
    }
    const double busyMs = (busyTime100ns() - busyBefore) / 1e4;
    EXPECT_LT(passes, 200) << "idle passes must wait, not spin";
    EXPECT_LT(busyMs, 250.0) << "half a second of waiting may not keep a core busy";

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = countingWindowProc;
    windowClass.lpszClassName = "MarquillPumpTarget";
    RegisterClassA(&windowClass);
    HWND target = CreateWindowA("MarquillPumpTarget", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    PostMessageA(target, WM_APP, 0, 0);
    PostMessageA(target, WM_APP, 0, 0);
    pump.processPendingEvents();
    EXPECT_EQ(dispatchedToTarget, 2);
    DestroyWindow(target);
}

TEST(Win32EventPump, KeepsAQuitRequestForTheMessageLoopAndStillWaits) {
    Win32EventPump pump;
    PostQuitMessage(3);
    const auto start = std::chrono::steady_clock::now();
    for (int pass = 0; pass < 10; ++pass) {
        pump.processPendingEvents();
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50))
        << "a pending quit must not turn the wait into a spin";
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
}

TEST(Win32Clock, ReadsTheLocalTimeOfDay) {
    Win32Clock clock;
    SYSTEMTIME now;
    GetLocalTime(&now);
    const double expected = now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
    const double seconds = clock.secondsSinceMidnight();
    EXPECT_GE(seconds, 0.0);
    EXPECT_LT(seconds, 86400.0);
    EXPECT_NEAR(seconds, expected, 2.0);  // may differ across a midnight between the reads, rarely
    const LocalTimeTexts texts = clock.localTimeTexts();
    EXPECT_NE(texts.timeOfDay.find(L':'), std::wstring::npos);
    EXPECT_FALSE(texts.date.empty());
}

}  // namespace
}  // namespace marquill::win32
