#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "tests/e2e/support/announcement_fixture.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using Lines = std::vector<std::string>;
using peers::ChatClient;

// A chat client may call the program back while it delivers: a title change raised inside an announcement (here
// the client switches announcing off, or off and on again, from its WM_SETTEXT handler) ends the old song's
// delivery, so the clients after it never get a song that has ended, and counts once after the running
// announcement. Handled at once, it would start a second announcement inside the first and send the emptied title.
TEST_F(AnnouncementTest, AChangeDuringAnAnnouncementWaitsForItsEnd) {
    struct Case {
        int clicks;
        Lines aim;     // by AIM, whose handler clicks
        Lines others;  // by each client after it
        const char* titleAfter;
    };
    const Case cases[] = {
        {1, {"[Band - Tune]", "[Other - Song]"}, {"[Band - Tune]"}, ""},
        {2, {"[Band - Tune]", "[Other - Song]", "[Other - Song]"}, {"[Band - Tune]", "[Other - Song]"}, "Other - Song"},
    };
    for (const Case& c : cases) {
        std::atomic<int> clicksDue{0};
        HWND enable = nullptr;
        peers::PeerWindowOptions clicking;
        clicking.onText = [&](const std::string& label) {
            const int clicks = label == "input" ? clicksDue.exchange(0) : 0;
            for (int i = 0; i < clicks; ++i) {
                peers::click(enable);
            }
        };
        hostChats({ChatClient::AIM}, clicking);
        hostChats({ChatClient::AOL, ChatClient::Yahoo, ChatClient::Mirc});
        hostPlayer(kFirstSong.title, kFirstSong.replies);
        start();
        enable = FindWindowExA(mainWindow(), nullptr, "Button", "Enable Marquill Amp");
        ASSERT_NE(enable, nullptr);
        setTemplates("[%s]");
        ASSERT_TRUE(peers::click(enable));
        ASSERT_TRUE(allSentWithin(1)) << c.clicks << " clicks";
        clicksDue = c.clicks;
        player->setTitle(kSecondSong.title);
        ASSERT_TRUE(sentWithin(ChatClient::AIM, c.aim.size())) << c.clicks << " clicks";
        ASSERT_TRUE(allSentWithin(c.others.size())) << c.clicks << " clicks";
        EXPECT_TRUE(showsWithin(ui::kTxtTitle, c.titleAfter)) << c.clicks << " clicks";
        Sleep(300);  // thirty ticks at the timer floor of 10 ms
        for (const ChatClient client : peers::kChatClients) {
            EXPECT_EQ(sent(client), client == ChatClient::AIM ? c.aim : c.others)
                << peers::chatClientName(client) << ", " << c.clicks << " clicks";
        }
        EXPECT_EQ(clicksDue, 0);
        discardProgram();
        closeChats();
        closePlayer();
    }
}

}  // namespace
}  // namespace marquill::test
