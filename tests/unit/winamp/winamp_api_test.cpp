#include "winamp/winamp_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/sim/fake_clock.h"
#include "platform/sim/fake_event_pump.h"
#include "platform/sim/windows1252_codec.h"
#include "tests/unit/support/sim_player.h"
#include "winamp/checked_numbers.h"

namespace marquill {
namespace {

using Calls = std::vector<std::string>;

class WinampApiTest : public ::testing::Test {
protected:
    sim::Windows1252Codec codec;
    sim::SimDesktop desktop{codec};
    sim::FakeClock clock;
    sim::FakeEventPump pump;
};

TEST_F(WinampApiTest, CreationLooksThePlayerUpOnce) {
    test::SimPlayer player(desktop);
    WinampAPI api(desktop, clock, pump);
    EXPECT_EQ(desktop.calls(), Calls{"FindWindowA(\"Winamp v1.x\") = 1"});
}

// Which messages reach the player, with which parameters, in which order, and how many lookups each member makes.
TEST_F(WinampApiTest, EachMemberSendsItsMessagesAfterAFreshLookup) {
    const std::string find = "FindWindowA(\"Winamp v1.x\") = 1";
    const auto query = [](int data, int code, int reply) {
        return "SendMessageTimeoutA(1, WM_USER, " + std::to_string(data) + ", " + std::to_string(code) +
               ", 5000) = " + std::to_string(reply);
    };
    const auto command = [&](int id) {
        return Calls{find, "PostMessageA(1, WM_COMMAND, " + std::to_string(id) + ", 0) = 1"};
    };
    const struct {
        const char* member;
        std::function<void(WinampAPI&)> call;
        Calls expected;
    } cases[] = {
        {"WinampVersion", [](WinampAPI& a) { a.WinampVersion(); }, {find, query(0, 0, 0x5094)}},
        {"SongTitle",
         [](WinampAPI& a) { a.SongTitle(); },
         {find, "GetWindowTextW(1, 1024) = \"1. Artist - Song - Winamp\""}},
        {"IsRunning", [](WinampAPI& a) { a.IsRunning(); }, {find}},
        {"TrackTime", [](WinampAPI& a) { a.TrackTime(); }, {find, query(0, 105, 65000), find, query(1, 105, 185)}},
        {"TrackTimePercent",
         [](WinampAPI& a) { a.TrackTimePercent(); },
         {find, query(1, 105, 185), find, query(0, 105, 65000)}},
        {"OtherUser", [](WinampAPI& a) { a.OtherUser(105, 1); }, {find, query(1, 105, 185)}},
        {"OtherUser", [](WinampAPI& a) { a.OtherUser(-7, 3); }, {find, query(3, -7, 77)}},
        {"OtherCommand",
         [](WinampAPI& a) { a.OtherCommand(40045, 9); },
         {find, "PostMessageA(1, WM_COMMAND, 40045, 9) = 1"}},
        {"Status", [](WinampAPI& a) { a.Status(); }, {find, query(0, 104, 1)}},
        {"TrackNumber",
         [](WinampAPI& a) { a.TrackNumber(); },
         {find, "GetWindowTextW(1, 1024) = \"1. Artist - Song - Winamp\""}},
        {"TracksInPlaylist", [](WinampAPI& a) { a.TracksInPlaylist(); }, {find, query(0, 124, 12)}},
        {"Previous", [](WinampAPI& a) { a.Previous(); }, command(40044)},
        {"Play", [](WinampAPI& a) { a.Play(); }, command(40045)},
        {"Pause", [](WinampAPI& a) { a.Pause(); }, command(40046)},
        {"Stop_", [](WinampAPI& a) { a.Stop_(); }, command(40047)},
        {"Next_", [](WinampAPI& a) { a.Next_(); }, command(40048)},
        {"EndWinamp", [](WinampAPI& a) { a.EndWinamp(); }, command(40001)},
        {"VolumeUp", [](WinampAPI& a) { a.VolumeUp(); }, command(40058)},
        {"VolumeDown", [](WinampAPI& a) { a.VolumeDown(); }, command(40059)},
        {"ToggleShuffle", [](WinampAPI& a) { a.ToggleShuffle(); }, command(40023)},
        {"FastForward", [](WinampAPI& a) { a.FastForward(); }, command(40148)},
        {"Rewind", [](WinampAPI& a) { a.Rewind(); }, command(40144)},
        {"read",
         [](WinampAPI& a) { a.read(); },
         {find, "GetWindowTextW(1, 1024) = \"1. Artist - Song - Winamp\"", query(0, 105, 65000), query(1, 105, 185),
          query(0, 124, 12)}},
    };
    test::SimPlayer player(desktop);
    WinampAPI api(desktop, clock, pump);
    for (const auto& c : cases) {
        desktop.clearCalls();
        c.call(api);
        EXPECT_EQ(desktop.calls(), c.expected) << c.member;
    }
    EXPECT_EQ(pump.passes(), 0);
}

TEST_F(WinampApiTest, RepliesBecomeResults) {
    test::SimPlayer player(desktop, L"12. Artist - Song - Winamp");
    WinampAPI api(desktop, clock, pump);
    player.version = -1;
    EXPECT_EQ(api.WinampVersion(), L"-1");
    player.version = 1024;
    EXPECT_EQ(api.WinampVersion(), L"1024");
    EXPECT_EQ(api.WinampVersion(), std::to_wstring(api.OtherUser(0, 0)));
    EXPECT_EQ(api.OtherUser(105, 1), 185);
    player.status = 3;
    EXPECT_EQ(api.Status(), 3);
    EXPECT_EQ(api.SongTitle(), L"Artist - Song");
    EXPECT_EQ(api.TrackNumber(), 12);
    EXPECT_EQ(api.read().SongTitle(), L"Artist - Song");
    EXPECT_EQ(api.read().TrackNumber(), 12);
    EXPECT_TRUE(api.IsRunning());
    EXPECT_EQ(api.OtherCommand(40045, 0), 1);
    api.Play();
    EXPECT_EQ(player.commands, (std::vector<std::int32_t>{40045, 40045}));
}

// With the player's option to show the playlist number off, "%tn" would read 0 in every announcement: the player
// is asked for its position then, and only then (no song, no player, a caption with a number: no extra query).
TEST_F(WinampApiTest, WithoutANumberInTheCaptionTheTrackNumberIsThePlayersPosition) {
    const struct {
        const wchar_t* caption;
        std::int32_t position;
        std::int16_t number;
        bool asked;
    } cases[] = {
        {L"Artist - Song - Winamp", 11, 12, true},        {L"Artist - Song - Winamp", 32766, 32767, true},
        {L"Artist - Song - Winamp", 32767, 0, true},      {L"Artist - Song - Winamp", -1, 0, true},
        {L"40000. Artist - Song - Winamp", 11, 0, false}, {L"0. Artist - Song - Winamp", 11, 0, false},
        {L"Winamp 5.9.2 Build 10042", 0, 0, false},
    };
    for (const auto& c : cases) {
        test::SimPlayer player(desktop, c.caption);
        player.listPosition = c.position;
        WinampAPI api(desktop, clock, pump);
        desktop.clearCalls();
        EXPECT_EQ(api.read().TrackNumber(), c.number) << c.caption << " " << c.position;
        EXPECT_EQ(api.TrackNumber(), c.number) << c.caption << " " << c.position;
        const auto asked = std::count_if(desktop.calls().begin(), desktop.calls().end(),
                                         [](const std::string& call) { return call.find(", 125, ") != call.npos; });
        EXPECT_EQ(asked, c.asked ? 2 : 0) << c.caption << " " << c.position;
        desktop.destroyWindow(player.window);
    }
}

enum class Outcome { Value, Overflow, DivisionByZero, Unknown };

// The worked pairs of position and length, and the failures each member must report rather than show. An unknown
// length (0 or less: a stream, a stopped player) shows the elapsed time alone and no percent in the tick's reading;
// the percent member, a number, keeps its arithmetic.
TEST_F(WinampApiTest, TrackTimeAndPercentOfPositionAndLength) {
    const struct {
        std::int32_t positionMs;
        std::int32_t lengthSeconds;
        const wchar_t* time;  // nullptr: fails with overflow
        Outcome percentOutcome;
        Outcome readingPercentOutcome;
        std::int32_t percent;
    } cases[] = {
        {65000, 185, L"1:05 / 3:05", Outcome::Value, Outcome::Value, 35},
        {64500, 185, L"1:04 / 3:05", Outcome::Value, Outcome::Value, 35},
        {65500, 185, L"1:06 / 3:05", Outcome::Value, Outcome::Value, 35},
        {59600, 240, L"1:00 / 4:00", Outcome::Value, Outcome::Value, 25},
        {185000, 185, L"3:05 / 3:05", Outcome::Value, Outcome::Value, 100},
        {200000, 185, L"3:20 / 3:05", Outcome::Value, Outcome::Value, 108},
        {3725000, 3725, L"62:05 / 62:05", Outcome::Value, Outcome::Value, 100},
        {-1, -1, L"0:00", Outcome::Value, Outcome::Unknown, 0},
        {83000, -1, L"1:23", Outcome::Value, Outcome::Unknown, -8300},
        {5000, 0, L"0:05", Outcome::DivisionByZero, Outcome::Unknown, 0},
        {0, 0, L"0:00", Outcome::Overflow, Outcome::Unknown, 0},
        {83000, -40000, L"1:23", Outcome::Value, Outcome::Unknown, 0},
        {32767499, 32767, L"546:07 / 546:07", Outcome::Value, Outcome::Value, 100},
        {32767500, 32767, nullptr, Outcome::Value, Outcome::Value, 100},
        {32767500, 0, nullptr, Outcome::DivisionByZero, Outcome::Unknown, 0},
        {1000, 32768, nullptr, Outcome::Value, Outcome::Value, 0},
        {-61000, 61, L"-1:-01 / 1:01", Outcome::Value, Outcome::Value, -100},
        {500, 1, L"0:00 / 0:01", Outcome::Value, Outcome::Value, 50},
        {1500, 1, L"0:02 / 0:01", Outcome::Value, Outcome::Value, 150},
        {-32768500, 1000, L"-546:-08 / 16:40", Outcome::Value, Outcome::Value, -3277},
        {-32769500, 1000, nullptr, Outcome::Value, Outcome::Value, -3277},
    };
    test::SimPlayer player(desktop);
    WinampAPI api(desktop, clock, pump);
    for (const auto& c : cases) {
        player.positionMs = c.positionMs;
        player.lengthSeconds = c.lengthSeconds;
        const std::string label = std::to_string(c.positionMs) + " ms of " + std::to_string(c.lengthSeconds) + " s";
        const PlayerReading reading = api.read();
        if (c.time) {
            EXPECT_EQ(api.TrackTime(), c.time) << label;
            EXPECT_EQ(reading.TrackTime(), c.time) << label;
        } else {
            EXPECT_THROW(api.TrackTime(), OverflowError) << label;
            EXPECT_THROW(reading.TrackTime(), OverflowError) << label;
        }
        const auto expectPercent = [&](Outcome outcome, const std::function<std::optional<std::int32_t>()>& percent) {
            switch (outcome) {
                case Outcome::Value:
                    EXPECT_EQ(percent(), c.percent) << label;
                    break;
                case Outcome::Unknown:
                    EXPECT_EQ(percent(), std::nullopt) << label;
                    break;
                case Outcome::Overflow:
                    EXPECT_THROW(percent(), OverflowError) << label;
                    break;
                case Outcome::DivisionByZero:
                    EXPECT_THROW(percent(), DivisionByZeroError) << label;
                    break;
            }
        };
        expectPercent(c.percentOutcome, [&] { return std::optional<std::int32_t>(api.TrackTimePercent()); });
        expectPercent(c.readingPercentOutcome, [&] { return reading.TrackTimePercent(); });
    }
}

// An elapsed time that does not fit must fail before the length is asked for.
TEST_F(WinampApiTest, TrackTimeStopsAtAnElapsedOverflow) {
    test::SimPlayer player(desktop);
    player.positionMs = 32767500;
    WinampAPI api(desktop, clock, pump);
    desktop.clearCalls();
    EXPECT_THROW(api.TrackTime(), OverflowError);
    EXPECT_EQ(desktop.calls().size(), 2u);
}

TEST_F(WinampApiTest, PlaylistLengthMustFitSixteenBits) {
    test::SimPlayer player(desktop);
    WinampAPI api(desktop, clock, pump);
    const struct {
        std::int32_t reply;
        bool fits;
    } cases[] = {{0, true}, {32767, true}, {-32768, true}, {40000, false}, {32768, false}, {-32769, false}};
    for (const auto& c : cases) {
        player.playlistLength = c.reply;
        const PlayerReading reading = api.read();
        if (c.fits) {
            EXPECT_EQ(api.TracksInPlaylist(), c.reply);
            EXPECT_EQ(reading.TracksInPlaylist(), c.reply);
        } else {
            EXPECT_THROW(api.TracksInPlaylist(), OverflowError) << c.reply;
            EXPECT_THROW(reading.TracksInPlaylist(), OverflowError) << c.reply;
        }
    }
}

// With no player window every member must still answer, with the values a missing player stands for.
TEST_F(WinampApiTest, NoPlayerWindow) {
    WinampAPI api(desktop, clock, pump);
    EXPECT_FALSE(api.IsRunning());
    EXPECT_EQ(api.WinampVersion(), L"0");
    EXPECT_EQ(api.OtherUser(105, 1), 0);
    EXPECT_NE(api.OtherCommand(40045, 0), 0);
    EXPECT_EQ(api.Status(), 0);
    EXPECT_EQ(api.TracksInPlaylist(), 0);
    EXPECT_EQ(api.SongTitle(), L"");
    EXPECT_EQ(api.TrackNumber(), 0);
    EXPECT_EQ(api.TrackTime(), L"0:00");
    EXPECT_THROW(api.TrackTimePercent(), OverflowError);
    const PlayerReading reading = api.read();
    EXPECT_EQ(reading.SongTitle(), L"");
    EXPECT_EQ(reading.TrackNumber(), 0);
    EXPECT_EQ(reading.TracksInPlaylist(), 0);
    EXPECT_EQ(reading.TrackTime(), L"0:00");
    EXPECT_EQ(reading.TrackTimePercent(), std::nullopt);
    api.Play();
    EXPECT_EQ(pump.passes(), 0);
    EXPECT_EQ(desktop.calls().back(), "PostMessageA(0, WM_COMMAND, 40045, 0) = 1");
}

TEST_F(WinampApiTest, JumpToFileWithoutPlayerTouchesOnlyHandleZero) {
    WinampAPI api(desktop, clock, pump);
    desktop.clearCalls();
    api.JumpToFile();
    EXPECT_EQ(desktop.calls(), (Calls{
                                   "ShowWindow(0, SW_RESTORE)",
                                   "SetForegroundWindow(0)",
                                   "BringWindowToTop(0)",
                                   "FindWindowA(\"Winamp v1.x\") = 0",
                                   "PostMessageA(0, WM_COMMAND, 40194, 0) = 1",
                                   "FindWindowA(\"Jump to file\") = 0",
                                   "ShowWindow(0, SW_RESTORE)",
                                   "SetForegroundWindow(0)",
                                   "BringWindowToTop(0)",
                               }));
}

// The player is brought forward with the handle of the previous lookup, even one that has since gone.
TEST_F(WinampApiTest, JumpToFileUsesThePreviousLookupFirst) {
    test::SimPlayer first(desktop);
    WinampAPI api(desktop, clock, pump);
    desktop.destroyWindow(first.window);
    test::SimPlayer second(desktop);
    const WindowHandle dialog = desktop.createWindow("Jump to file");
    desktop.clearCalls();
    api.JumpToFile();
    EXPECT_EQ(desktop.calls(), (Calls{
                                   "ShowWindow(1, SW_RESTORE)",
                                   "SetForegroundWindow(1)",
                                   "BringWindowToTop(1)",
                                   "FindWindowA(\"Winamp v1.x\") = 2",
                                   "PostMessageA(2, WM_COMMAND, 40194, 0) = 1",
                                   "FindWindowA(\"Jump to file\") = 3",
                                   "ShowWindow(3, SW_RESTORE)",
                                   "SetForegroundWindow(3)",
                                   "BringWindowToTop(3)",
                               }));
    EXPECT_EQ(desktop.foregroundWindow(), dialog);
    EXPECT_EQ(second.commands, std::vector<std::int32_t>{40194});
}

TEST_F(WinampApiTest, FollowsAPlayerThatComesAndGoes) {
    WinampAPI api(desktop, clock, pump);
    EXPECT_EQ(api.SongTitle(), L"");
    auto player = std::make_unique<test::SimPlayer>(desktop, L"2. Band - Tune - Winamp");
    EXPECT_TRUE(api.IsRunning());
    EXPECT_EQ(api.SongTitle(), L"Band - Tune");
    EXPECT_EQ(api.TracksInPlaylist(), 12);
    desktop.destroyWindow(player->window);
    EXPECT_FALSE(api.IsRunning());
    EXPECT_EQ(api.SongTitle(), L"");
    EXPECT_EQ(api.TracksInPlaylist(), 0);
    player = std::make_unique<test::SimPlayer>(desktop, L"3. Band - Encore - Winamp");
    EXPECT_EQ(api.SongTitle(), L"Band - Encore");
    EXPECT_EQ(api.TrackNumber(), 3);
}

// A player that stops answering must cost at most the bound per query; a value it did not give is not known, never
// a 0 that an announcement would tell ("[0:00 / 0:00]", "Total Tracks: 0"). It is still running.
TEST_F(WinampApiTest, AHungPlayerCostsTheBoundAndGivesNoValues) {
    test::SimPlayer player(desktop);
    desktop.setHung(player.window, true);
    WinampAPI api(desktop, clock, pump);
    desktop.clearCalls();
    EXPECT_THROW(api.TracksInPlaylist(), NoAnswerError);
    EXPECT_EQ(api.Status(), 0);
    EXPECT_EQ(api.WinampVersion(), L"0");
    EXPECT_THROW(api.TrackTime(), NoAnswerError);
    EXPECT_THROW(api.TrackTimePercent(), NoAnswerError);
    const PlayerReading reading = api.read();
    EXPECT_THROW(reading.TrackTime(), NoAnswerError);
    EXPECT_THROW(reading.TrackTimePercent(), NoAnswerError);
    EXPECT_THROW(reading.TracksInPlaylist(), NoAnswerError);
    EXPECT_EQ(reading.SongTitle(), L"Artist - Song") << "the caption is read without asking the window";
    EXPECT_TRUE(api.IsRunning());
    EXPECT_EQ(desktop.calls()[1], "SendMessageTimeoutA(1, WM_USER, 0, 124, 5000) = no answer");
}

TEST_F(WinampApiTest, TitleReadIsCutTo1023Bytes) {
    const std::wstring longTitle = L"1. " + std::wstring(1100, L'x') + L" - Winamp";
    test::SimPlayer player(desktop, longTitle);
    WinampAPI api(desktop, clock, pump);
    EXPECT_EQ(api.SongTitle(), std::wstring(1020, L'x'));
    EXPECT_EQ(api.TrackNumber(), 1);
}

// The wait after a failed post: about ten seconds of clock with events processed, cut short by midnight,
// skipped in the first ten seconds of the day, and none at all after a successful post.
TEST_F(WinampApiTest, FailedCommandWaitsByTheClock) {
    const struct {
        const char* when;
        double start;
        bool postFails;
        double expectedEnd;
        int expectedPasses;
    } cases[] = {
        {"noon", 43200.0, true, 43210.0, 40},
        {"noon, start rounds up", 43200.5, true, 43210.0, 38},  // 43200.5 rounds to the even 43200
        {"a third past noon", 43200.75, true, 43211.0, 41},     // starts from 43201
        {"23:59:55", 86395.0, true, 0.0, 20},
        {"00:00:03", 3.0, true, 3.0, 0},
        {"00:00:09.75", 9.75, true, 9.75, 0},
        {"00:00:10", 10.0, true, 20.0, 40},
        {"noon, post succeeds", 43200.0, false, 43200.0, 0},
    };
    for (const auto& c : cases) {
        sim::SimDesktop desk(codec);
        test::SimPlayer player(desk);
        desk.setRejectsPosts(player.window, c.postFails);
        sim::FakeClock fakeClock;
        sim::FakeEventPump fakePump;
        fakeClock.set(c.start);
        fakePump.onPass([&] { fakeClock.advance(0.25); });
        WinampAPI api(desk, fakeClock, fakePump);
        EXPECT_EQ(api.OtherCommand(40045, 0), c.postFails ? 0 : 1) << c.when;
        EXPECT_DOUBLE_EQ(fakeClock.secondsSinceMidnight(), c.expectedEnd) << c.when;
        EXPECT_EQ(fakePump.passes(), c.expectedPasses) << c.when;
    }
}

TEST_F(WinampApiTest, FailedCommandIsNotRepeated) {
    test::SimPlayer player(desktop);
    desktop.setRejectsPosts(player.window, true);
    clock.set(3.0);
    WinampAPI api(desktop, clock, pump);
    desktop.clearCalls();
    api.Next_();
    EXPECT_EQ(desktop.calls(),
              (Calls{"FindWindowA(\"Winamp v1.x\") = 1", "PostMessageA(1, WM_COMMAND, 40048, 0) = 0"}));
}

}  // namespace
}  // namespace marquill
