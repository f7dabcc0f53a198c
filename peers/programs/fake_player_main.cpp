#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "peers/fake_player.h"

// A player for the demo: plays a short scripted playlist, one song every few seconds, with a position that runs
// twenty times faster than the clock so that the percentages move. The third song scrolls its caption, as the
// player's own option does, for one whole cycle. Usage:
// fake_player [milliseconds per song] [seconds before it gives up on being closed] [scroll steps per second]
namespace {

struct Song {
    const char* title;
    int lengthSeconds;
};

constexpr Song kPlaylist[] = {
    {"1. Nova Lines - Early Light - Winamp", 185},     {"2. The Paper Birds - Harbour Song - Winamp", 242},
    {"3. Kettle and Rye - Slow Orbit - Winamp", 201},  {"4. Mira Vale - Glass Season - Winamp", 263},
    {"5. Low Tide Radio - Second Wind - Winamp", 178},
};
constexpr int kSongCount = static_cast<int>(sizeof(kPlaylist) / sizeof(kPlaylist[0]));
constexpr DWORD kSpeed = 20;
constexpr int kScrollingSong = 2;

}  // namespace

int main(int argc, char** argv) {
    const DWORD songMs = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 2500;
    const DWORD lifetimeMs = (argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 120) * 1000;
    const unsigned stepsPerSecond = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 10;
    // The scrolling song plays its whole cycle: every step, back to the plain caption.
    const auto lengthOf = [&](int song) {
        if (song != kScrollingSong || stepsPerSecond == 0) {
            return songMs;
        }
        const DWORD cycleMs = static_cast<DWORD>((std::strlen(kPlaylist[song].title) + 5) * 1000 / stepsPerSecond);
        return std::max(songMs, cycleMs + 500);
    };

    const auto replies = [](int song, DWORD elapsedMs) {
        return marquill::peers::PlayerReplies{0x5094, 1, static_cast<std::int32_t>(elapsedMs * kSpeed),
                                              kPlaylist[song].lengthSeconds, kSongCount};
    };
    int song = 0;
    marquill::peers::FakePlayer player(kPlaylist[song].title, replies(song, 0), true);
    SetWindowPos(player.window(), nullptr, 222, 120, 345, 80, SWP_NOZORDER);
    std::printf("player: %s\n", kPlaylist[song].title);
    std::fflush(stdout);

    const DWORD start = GetTickCount();
    DWORD songStart = start;
    SetTimer(nullptr, 0, 100, nullptr);
    MSG message;
    while (IsWindow(player.window()) && GetTickCount() - start < lifetimeMs && GetMessageA(&message, nullptr, 0, 0)) {
        DispatchMessageA(&message);
        const DWORD now = GetTickCount();
        if (now - songStart >= lengthOf(song)) {
            song = (song + 1) % kSongCount;
            songStart = now;
            player.setTitle(kPlaylist[song].title);
            player.setScroll(song == kScrollingSong ? stepsPerSecond : 0);
            std::printf("player: %s%s\n", kPlaylist[song].title,
                        song == kScrollingSong ? " (its caption scrolls)" : "");
            std::fflush(stdout);
        }
        player.setReplies(replies(song, now - songStart));
    }
    return IsWindow(player.window()) ? 1 : 0;
}
