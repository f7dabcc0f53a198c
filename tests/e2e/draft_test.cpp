#include <windows.h>

#include <gtest/gtest.h>

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

// A user may be typing in a chat when the song changes. The draft must neither be overwritten nor sent by the
// program: that client's announcement waits until the user has sent the draft and goes out then, a newer song
// taking its place, while the clients without a draft are served at once. (Today's mIRC takes its announcement
// without the editbox: the IRC channel test shows its draft kept.)
TEST_F(AnnouncementTest, ADraftIsKeptAndTheAnnouncementFollowsIt) {
    enum class Action { Enable, UserSends, NextSong, Wait };
    struct Step {
        Action action;
        ChatClient client;      // for UserSends
        Lines aim, aol, yahoo;  // what each has sent so far
    };
    const std::string band = "[Band - Tune]";
    const std::string other = "[Other - Song]";
    const std::string draft = "half a sentence";
    const Step steps[] = {
        {Action::Enable, ChatClient::AOL, {}, {band}, {}},
        {Action::Wait, ChatClient::AOL, {}, {band}, {}},
        {Action::UserSends, ChatClient::Yahoo, {}, {band}, {draft, band}},
        {Action::NextSong, ChatClient::AOL, {}, {band, other}, {draft, band, other}},
        {Action::UserSends, ChatClient::AIM, {draft, other}, {band, other}, {draft, band, other}},
    };
    hostChats({ChatClient::AIM, ChatClient::AOL, ChatClient::Yahoo});
    hostPlayer(kFirstSong.title, kFirstSong.replies);
    start();
    setTemplates("[%s]");
    for (const ChatClient client : {ChatClient::AIM, ChatClient::Yahoo}) {
        ASSERT_TRUE(peers::setControlText(chat(client).window("input"), draft));
    }
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const Step& step = steps[i];
        const peers::PeerTree& tree = chat(step.client);
        switch (step.action) {
            case Action::Enable:
                ASSERT_TRUE(peers::click(control(ui::kChkEnable))) << "step " << i;
                break;
            case Action::UserSends:
                ASSERT_TRUE(PostMessageA(tree.window("send"), WM_LBUTTONDOWN, 0, 0) &&
                            PostMessageA(tree.window("send"), WM_LBUTTONUP, 0, 0))
                    << "step " << i;
                break;
            case Action::NextSong:
                player->setTitle(kSecondSong.title);
                break;
            case Action::Wait:
                Sleep(300);  // thirty ticks at the timer floor of 10 ms
                break;
        }
        ASSERT_TRUE(sentWithin(ChatClient::AIM, step.aim.size())) << "step " << i;
        ASSERT_TRUE(sentWithin(ChatClient::AOL, step.aol.size())) << "step " << i;
        ASSERT_TRUE(sentWithin(ChatClient::Yahoo, step.yahoo.size())) << "step " << i;
        EXPECT_EQ(sent(ChatClient::AIM), step.aim) << "step " << i;
        EXPECT_EQ(sent(ChatClient::AOL), step.aol) << "step " << i;
        EXPECT_EQ(sent(ChatClient::Yahoo), step.yahoo) << "step " << i;
        if (step.aim.empty()) {
            EXPECT_EQ(peers::controlText(chat(ChatClient::AIM).window("input")), draft) << "step " << i;
        }
    }
}

}  // namespace
}  // namespace marquill::test
