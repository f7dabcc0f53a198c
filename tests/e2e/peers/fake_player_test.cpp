#include "peers/fake_player.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_window_services.h"
#include "tests/win32/support/window_thread.h"
#include "winamp/winamp_api.h"

namespace marquill::peers {
namespace {

class FakePlayerTest : public ::testing::Test {
protected:
    ~FakePlayerTest() override {
        thread.run([this] { player.reset(); });
    }

    void start(const std::string& title, const PlayerReplies& replies) {
        thread.run([&] { player = std::make_unique<FakePlayer>(title, replies); });
    }

    win32::Win32AnsiCodec codec;
    win32::Win32WindowServices services{codec};
    win32::Win32Clock clock;
    win32::Win32EventPump events;
    test::WindowThread thread;
    std::unique_ptr<FakePlayer> player;
};

// The end-to-end tests trust that the player answers each query from what they set: a reply on the wrong code or
// data word would make the program look wrong.
TEST_F(FakePlayerTest, AnswersEachQueryFromItsReplies) {
    start("3. Band - Tune - Winamp", {501, 3, 65000, 185, 9});
    WinampAPI api(services, clock, events);
    EXPECT_EQ(api.WinampVersion(), L"501");
    EXPECT_EQ(api.Status(), 3);
    EXPECT_EQ(api.OtherUser(105, 0), 65000);
    EXPECT_EQ(api.OtherUser(105, 1), 185);
    EXPECT_EQ(api.TracksInPlaylist(), 9);
    EXPECT_EQ(api.OtherUser(999, 0), 0);
    EXPECT_EQ(player->queryCount(), 6);

    player->setReplies({0, 0, 200000, 185, 40});
    EXPECT_EQ(api.TrackTime(), L"3:20 / 3:05");
    EXPECT_EQ(api.TrackTimePercent(), 108);
    EXPECT_EQ(api.TracksInPlaylist(), 40);
}

// Another process reads the title without asking the window, so a title kept anywhere but in the real caption
// would never reach the program.
TEST_F(FakePlayerTest, TitleIsTheRealCaption) {
    start("1. First - Song - Winamp", {});
    WinampAPI api(services, clock, events);
    EXPECT_EQ(api.SongTitle(), L"First - Song");
    player->setTitle("12. Second - Song - Winamp");
    EXPECT_EQ(api.SongTitle(), L"Second - Song");
    EXPECT_EQ(api.TrackNumber(), 12);
    char caption[64] = {};
    GetWindowTextA(player->window(), caption, sizeof(caption));
    EXPECT_STREQ(caption, "12. Second - Song - Winamp");

    // Pause and stop as the real player shows them, with the play state it answers.
    const struct {
        PlayState state;
        const char* caption;
        std::int32_t status;
    } states[] = {
        {PlayState::Paused, "12. Second - Song - Winamp [Paused]", 3},
        {PlayState::Stopped, "12. Second - Song - Winamp [Stopped]", 0},
        {PlayState::Playing, "12. Second - Song - Winamp", 1},
    };
    for (const auto& s : states) {
        player->setPlayState(s.state);
        GetWindowTextA(player->window(), caption, sizeof(caption));
        EXPECT_STREQ(caption, s.caption);
        EXPECT_EQ(api.Status(), s.status) << s.caption;
    }
}

// The announcement tests rely on a queued song falling between two ticks: a song that took over before the
// playlist-length answer, or at any other query, would pair old and new track data within one tick.
TEST_F(FakePlayerTest, AQueuedSongTakesOverAfterThePlaylistLengthAnswer) {
    start("3. Band - Tune - Winamp", {0, 1, 65000, 185, 9});
    WinampAPI api(services, clock, events);
    player->queueSong("12. Other - Song - Winamp", {0, 1, 200000, 240, 12});
    EXPECT_EQ(api.TrackTime(), L"1:05 / 3:05");
    EXPECT_EQ(api.TrackTimePercent(), 35);
    EXPECT_EQ(api.SongTitle(), L"Band - Tune");
    EXPECT_EQ(api.TracksInPlaylist(), 9) << "the old song answers the query that ends it";
    EXPECT_EQ(api.SongTitle(), L"Other - Song");
    EXPECT_EQ(api.TrackNumber(), 12);
    EXPECT_EQ(api.TrackTime(), L"3:20 / 4:00");
    EXPECT_EQ(api.TracksInPlaylist(), 12);
    EXPECT_EQ(api.TracksInPlaylist(), 12) << "taken over once";
}

// Commands are posted: the record must keep every identifier, in order, once the player has handled its queue.
TEST_F(FakePlayerTest, KeepsTheCommandsInOrder) {
    start("Winamp", {});
    WinampAPI api(services, clock, events);
    api.Play();
    api.Next_();
    api.OtherCommand(40001, 7);
    thread.run([] {});
    EXPECT_EQ(player->commands(), (std::vector<std::int32_t>{40045, 40048, 40001}));
    EXPECT_EQ(player->queryCount(), 0);
}

}  // namespace
}  // namespace marquill::peers
