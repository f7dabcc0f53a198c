#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "peers/remote_control.h"
#include "tests/e2e/support/announcement_fixture.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using peers::ChatClient;

// Faster than the real player's few characters a second, so a whole cycle takes a second or two.
constexpr unsigned kStepsPerSecond = 40;

std::string captionOf(HWND window) {
    char caption[1024] = {};
    GetWindowTextA(window, caption, sizeof caption);
    return caption;
}

// With the player's option to scroll its caption on, every step of the scroll is a new caption; read as titles,
// each step was a song announced to every chat. A whole cycle of a numbered and of an unnumbered caption must go
// out once per song, with its plain title, and the track number label must show the song's number throughout: the
// caption's, or the player's position (41, from 0) where the caption has none.
TEST_F(AnnouncementTest, AScrollingCaptionIsAnnouncedOncePerSong) {
    const struct {
        const char* caption;
        const char* title;
        const char* number;
    } songs[] = {
        {"3651. Mira Vale - Glass Season - Winamp", "Mira Vale - Glass Season", "3651"},
        {"Kettle and Rye - Slow Orbit - Winamp", "Kettle and Rye - Slow Orbit ", "42"},
    };
    hostChats({ChatClient::AIM, ChatClient::AOL, ChatClient::Yahoo, ChatClient::Mirc});
    peers::PlayerReplies replies = kFirstSong.replies;
    replies.listPosition = 41;
    hostPlayer(songs[0].caption, replies);
    peers.run([&] { player->setScroll(kStepsPerSecond); });
    start();
    setTemplates("%s");
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    std::vector<std::string> titles;
    for (const auto& song : songs) {
        player->setTitle(song.caption);
        titles.push_back(song.title);
        ASSERT_TRUE(
            peers::waitUntil([&] { return captionOf(player->window()).find(" *** ") != std::string::npos; }, kWaitMs))
            << "the caption does not scroll";
        const DWORD cycleMs = static_cast<DWORD>((std::string(song.caption).size() + 5) * 1000 / kStepsPerSecond);
        Sleep(cycleMs + 300);  // a whole cycle, back to the plain caption and on
        EXPECT_EQ(text(ui::kTxtTitle), song.title);
        EXPECT_EQ(text(ui::kLblTrackNumber), song.number);
        ASSERT_TRUE(allSentWithin(titles.size()));
    }
    for (const ChatClient client : peers::kChatClients) {
        EXPECT_EQ(sent(client), titles) << peers::chatClientName(client);
    }
}

}  // namespace
}  // namespace marquill::test
