#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "tests/e2e/support/announcement_fixture.h"
#include "tests/e2e/support/chat_messages.h"
#include "tests/e2e/support/hanging_chat.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using peers::ChatClient;

// A chat client whose window thread has stopped: each blocking send to it may cost the program at most its bound,
// the clients after it must still be served, and once it is known to hang it must cost nothing more. A plain
// SendMessage would freeze the program for good.
TEST_F(AnnouncementTest, AHungClientCostsAtMostTheBoundAndTheOthersAreStillServed) {
    HangingChat aol(ChatClient::AOL);
    hostChats({ChatClient::AIM, ChatClient::Yahoo, ChatClient::Mirc});
    hostPlayer(kFirstSong.title, kFirstSong.replies);
    start();
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    ASSERT_TRUE(test::sentWithin(aol.tree(), ChatClient::AOL, 1, kWaitMs));
    ASSERT_TRUE(sentWithin(ChatClient::Mirc, 1));

    ASSERT_TRUE(aol.hang());
    const DWORD changed = GetTickCount();
    player->setTitle(kSecondSong.title);
    ASSERT_TRUE(sentWithin(ChatClient::AIM, 2));
    ASSERT_TRUE(sentWithin(ChatClient::Mirc, 2, 2 * kDeliveryBoundMs + 2000));
    const DWORD hungCost = GetTickCount() - changed;
    EXPECT_TRUE(sentWithin(ChatClient::Yahoo, 2));
    EXPECT_LE(hungCost, kDeliveryBoundMs + 1000) << "one blocking send to the hung client: no Enter after no text";

    const DWORD again = GetTickCount();
    player->setTitle("5. Third - Song - Winamp");
    ASSERT_TRUE(sentWithin(ChatClient::Mirc, 3));
    const DWORD knownHungCost = GetTickCount() - again;
    EXPECT_LT(knownHungCost, kDeliveryBoundMs) << "a client known to hang is not waited for again";
    EXPECT_TRUE(showsWithin(ui::kTxtTitle, "Third - Song"));
}

// A chat window that hangs while its user has a draft in the box: the text the program sent never arrived, so a
// click queued for the window would send the draft once it recovers. Nothing may be sent for it.
TEST_F(AnnouncementTest, AHungClientNeverSendsTheUsersDraft) {
    HangingChat yahoo(ChatClient::Yahoo);
    hostPlayer(kFirstSong.title, kFirstSong.replies);
    start();
    const HWND input = peers::childWindow(yahoo.tree().top(), "YIMInputWindow", nullptr, 1);
    ASSERT_TRUE(peers::setControlText(input, "my draft, not for the chat"));
    constexpr DWORD kHangMs = 6000;  // past the program's bound, so its text is given up
    ASSERT_TRUE(yahoo.hang(kHangMs));
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    Sleep(kHangMs + 1500);  // the client recovers and handles whatever was queued for it
    EXPECT_EQ(sentMessages(yahoo.tree(), ChatClient::Yahoo), std::vector<std::string>{});
    for (const std::string& line : yahoo.tree().recorder().lines()) {
        EXPECT_NE(line.rfind("send ", 0), 0u) << "a click reached the send button: " << line;
    }

    // Recovered, it is served again once the user has sent the draft.
    player->setTitle(kSecondSong.title);
    ASSERT_TRUE(showsWithin(ui::kTxtTitle, "Other - Song"));
    Sleep(300);  // thirty ticks at the timer floor of 10 ms
    EXPECT_EQ(sentMessages(yahoo.tree(), ChatClient::Yahoo), std::vector<std::string>{});
    const HWND send = yahoo.tree().window("send");
    ASSERT_TRUE(PostMessageA(send, WM_LBUTTONDOWN, 0, 0) && PostMessageA(send, WM_LBUTTONUP, 0, 0));
    ASSERT_TRUE(test::sentWithin(yahoo.tree(), ChatClient::Yahoo, 2, kWaitMs));
    const std::vector<std::string> sent = sentMessages(yahoo.tree(), ChatClient::Yahoo);
    EXPECT_EQ(sent.at(0), "my draft, not for the chat");
    EXPECT_NE(sent.at(1).find("playing Other - Song - "), std::string::npos) << sent.at(1);
}

}  // namespace
}  // namespace marquill::test
