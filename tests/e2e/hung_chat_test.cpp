#include <gtest/gtest.h>

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
    EXPECT_LE(hungCost, 2 * kDeliveryBoundMs + 1000) << "two blocking sends (text, Enter) to the hung client";

    const DWORD again = GetTickCount();
    player->setTitle("5. Third - Song - Winamp");
    ASSERT_TRUE(sentWithin(ChatClient::Mirc, 3));
    const DWORD knownHungCost = GetTickCount() - again;
    EXPECT_LT(knownHungCost, kDeliveryBoundMs) << "a client known to hang is not waited for again";
    EXPECT_TRUE(showsWithin(ui::kTxtTitle, "Third - Song"));
}

}  // namespace
}  // namespace marquill::test
