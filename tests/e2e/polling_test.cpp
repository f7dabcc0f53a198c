#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "tests/e2e/support/e2e_fixture.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using Lines = std::vector<std::string>;
using PollingTest = EndToEndTest;

// The holders are what the announcement reads: each must show its own query's answer in its own form.
TEST_F(PollingTest, EnablingFillsTheHoldersFromThePlayer) {
    hostPlayer("3. Band - Tune - Winamp", {0, 1, 65000, 185, 9});
    start();
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    EXPECT_TRUE(showsWithin(ui::kTxtTitle, "Band - Tune"));
    EXPECT_TRUE(showsWithin(ui::kLbltTime, "1:05 / 3:05"));
    EXPECT_TRUE(showsWithin(ui::kLblTrackNumber, "3"));
    EXPECT_TRUE(showsWithin(ui::kLblTrackPer, "35"));
    EXPECT_TRUE(showsWithin(ui::kLblTotalTracks, "9"));
    EXPECT_EQ(SendMessageA(control(ui::kChkEnable), BM_GETCHECK, 0, 0), BST_CHECKED);

    player->setReplies({0, 1, 200000, 185, 12});
    player->setTitle("12. Other - Song - Winamp");
    EXPECT_TRUE(showsWithin(ui::kTxtTitle, "Other - Song"));
    EXPECT_TRUE(showsWithin(ui::kLbltTime, "3:20 / 3:05"));
    EXPECT_TRUE(showsWithin(ui::kLblTrackPer, "108"));
    EXPECT_TRUE(showsWithin(ui::kLblTrackNumber, "12"));
    EXPECT_TRUE(showsWithin(ui::kLblTotalTracks, "12"));
    EXPECT_TRUE(player->commands().empty()) << "polling only asks, never commands";
}

// A tick that stops at a missing player, or a lookup cached from before, would leave the old title or never
// find the restarted player.
TEST_F(PollingTest, FollowsThePlayerAwayAndBack) {
    hostPlayer("1. First - Song - Winamp", {0, 1, 1000, 100, 2});
    start();
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    ASSERT_TRUE(showsWithin(ui::kTxtTitle, "First - Song"));
    closePlayer();
    EXPECT_TRUE(showsWithin(ui::kTxtTitle, ""));
    EXPECT_TRUE(showsWithin(ui::kLbltTime, "0:00"));
    EXPECT_TRUE(showsWithin(ui::kLblTrackPer, ""));
    EXPECT_TRUE(showsWithin(ui::kLblTotalTracks, "0"));
    hostPlayer("2. Second - Song - Winamp", {0, 1, 1000, 100, 2});
    EXPECT_TRUE(showsWithin(ui::kTxtTitle, "Second - Song"));
}

// Switching off must stop the timer and empty the title; switching on again must fetch the title anew.
TEST_F(PollingTest, DisablingStopsPollingAndEmptiesTheTitle) {
    hostPlayer("1. First - Song - Winamp", {0, 1, 1000, 100, 2});
    start();
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    ASSERT_TRUE(showsWithin(ui::kTxtTitle, "First - Song"));
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    EXPECT_EQ(text(ui::kTxtTitle), "") << "emptied inside the click";
    EXPECT_EQ(SendMessageA(control(ui::kChkEnable), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // The click is sent, so it may have run inside a tick that was waiting for the player's answer; that tick
    // finishes its queries after the click. Count from when they have stopped.
    int queries = player->queryCount();
    for (int settled = 0; settled < 100; ++settled) {
        Sleep(20);
        const int now = player->queryCount();
        if (now == queries) {
            break;
        }
        queries = now;
    }
    player->setTitle("2. Second - Song - Winamp");
    Sleep(300);  // thirty ticks at the timer floor of 10 ms, had it kept running
    EXPECT_EQ(player->queryCount(), queries);
    EXPECT_EQ(text(ui::kTxtTitle), "");
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    EXPECT_TRUE(showsWithin(ui::kTxtTitle, "Second - Song"));
}

// The test button must reach the 4th child's first grandchild chain of the GTK window, nothing else.
TEST_F(PollingTest, Command1WritesIntoTheGtkWindow) {
    const peers::PeerTree& gtk = hostTree(peers::gtkWindowTree());
    start();
    ASSERT_TRUE(peers::click(control(ui::kCommand1)));
    ASSERT_TRUE(recordsWithin(gtk, 1));
    EXPECT_EQ(gtk.recorder().lines(), Lines{"target text The New Text"});
}

}  // namespace
}  // namespace marquill::test
