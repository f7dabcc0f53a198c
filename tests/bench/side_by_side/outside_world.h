#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <string>

#include "peers/fake_player.h"
#include "peers/peer_tree.h"
#include "peers/stopwatch.h"
#include "platform/win32/owners.h"
#include "tests/win32/support/window_thread.h"

namespace marquill::bench {

// What the measured programs talk to, on a pumping thread of the bench: the fake player and mIRC's chat window,
// which notes when each message reaches it.
class OutsideWorld {
public:
    OutsideWorld();
    ~OutsideWorld();
    OutsideWorld(const OutsideWorld&) = delete;
    OutsideWorld& operator=(const OutsideWorld&) = delete;

    peers::FakePlayer& player() { return *player_; }

    // Plays the next song: a title and a position of its own, so its announcement differs from the last. Returns
    // the song's number once the player's caption holds the new title.
    int playNextSong();
    int currentSong() const { return song_; }
    // Waits until a message naming song `song` has reached the chat window; when it arrived, on now()'s clock, or
    // a negative number when none came within `timeoutMs`.
    double arrivalOf(int song, DWORD timeoutMs);
    // Seconds since the world was made.
    double now() const { return clock_.seconds(); }

private:
    void noteLine(const std::string& line);

    const peers::Stopwatch clock_;
    test::WindowThread thread_;
    std::unique_ptr<peers::FakePlayer> player_;
    std::unique_ptr<peers::PeerTree> chat_;
    int song_ = 0;
    win32::KernelHandle arrived_;
    std::mutex mutex_;
    std::string lastText_;
    double lastArrival_ = 0;
};

}  // namespace marquill::bench
