#include <gtest/gtest.h>

#include <chrono>

#include "platform/win32/owners.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_window_services.h"
#include "tests/win32/support/window_thread.h"
#include "winamp/winamp_api.h"

namespace marquill {
namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The player link as the program wires it, over the real window functions.
struct RealLink {
    win32::Win32AnsiCodec codec;
    win32::Win32WindowServices windows{codec};
    win32::Win32Clock clock;
    win32::Win32EventPump events;
    WinampAPI player{windows, clock, events};
};

// A player that stops answering must not hold up the program: a query gives up after the bound, a value asked for
// is not known (never a 0 to announce), and the next query returns at once while the player stays hung.
TEST(HungPlayer, QueriesGiveUpAfterTheBoundAndThenAtOnce) {
    const win32::KernelHandle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    test::WindowThread playerThread;
    playerThread.createWindow("Winamp v1.x", "1. Stuck - Song - Winamp", nullptr,
                              [&](UINT message, WPARAM, LPARAM, LRESULT& reply) {
                                  if (message != WM_USER) {
                                      return false;
                                  }
                                  WaitForSingleObject(release.get(), 30000);
                                  reply = 12;
                                  return true;
                              });
    RealLink link;
    WinampAPI& player = link.player;

    auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(player.TracksInPlaylist(), NoAnswerError);
    const double first = secondsSince(start);
    EXPECT_GE(first, 4.5);
    EXPECT_LT(first, 7.0);

    Sleep(300);
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(player.Status(), 0);
    EXPECT_LT(secondsSince(start), 1.0) << "a window known to hang is not waited for again";
    EXPECT_TRUE(player.IsRunning());

    SetEvent(release.get());
}

TEST(AnsweringPlayer, QueriesBehaveAsPlainSends) {
    test::WindowThread playerThread;
    playerThread.createWindow("Winamp v1.x", "7. Band - Tune - Winamp", nullptr,
                              [](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& reply) {
                                  if (message != WM_USER) {
                                      return false;
                                  }
                                  reply = lParam == 105 ? (wParam == 1 ? 185 : 65000) : lParam == 124 ? 9 : 0;
                                  return true;
                              });
    RealLink link;
    WinampAPI& player = link.player;
    EXPECT_EQ(player.SongTitle(), L"Band - Tune");
    EXPECT_EQ(player.TrackNumber(), 7);
    EXPECT_EQ(player.TrackTime(), L"1:05 / 3:05");
    EXPECT_EQ(player.TrackTimePercent(), 35);
    EXPECT_EQ(player.TracksInPlaylist(), 9);
}

}  // namespace
}  // namespace marquill
