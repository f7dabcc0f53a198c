#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "tests/e2e/support/app_window.h"
#include "tests/e2e/support/e2e_fixture.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using WindowTest = EndToEndTest;

// A program that polls before it is switched on, or starts on the wrong client, announces unasked.
TEST_F(WindowTest, StartsIdleWithTheAimTemplateShown) {
    hostPlayer("4. Band - Tune - Winamp", {0, 1, 65000, 185, 9});
    start();
    char caption[64] = {};
    GetWindowTextA(mainWindow(), caption, sizeof(caption));
    EXPECT_STREQ(caption, "MarquillAmp 1");
    for (const layout::ExpectedControl& expected : layout::kControls) {
        EXPECT_EQ(IsWindowVisible(control(expected.name)) != 0, expected.start == layout::kShown) << expected.name;
    }
    for (int i = 0; i < static_cast<int>(std::size(peers::kChatClients)); ++i) {
        EXPECT_EQ(SendMessageA(control(ui::optFormate(i)), BM_GETCHECK, 0, 0), i == 0 ? BST_CHECKED : BST_UNCHECKED)
            << "optFormate(" << i << ")";
    }
    EXPECT_EQ(SendMessageA(control(ui::kChkEnable), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Sleep(300);  // thirty ticks at the timer floor of 10 ms, had it been running
    for (const char* holder :
         {ui::kTxtTitle, ui::kLbltTime, ui::kLblTrackNumber, ui::kLblTrackPer, ui::kLblTotalTracks}) {
        EXPECT_EQ(text(holder), "") << "holder " << holder;
    }
    EXPECT_EQ(player->queryCount(), 0) << "no query reaches the player before the check box is clicked";
}

// A user's tool finds each control by its class, and by its caption or its place among the controls of its class
// (the in-process test of the view checks what each one is); one missing or out of order is lost to the tool.
TEST_F(WindowTest, AUsersToolFindsEveryControl) {
    start();
    RECT client;
    GetClientRect(mainWindow(), &client);
    EXPECT_EQ(client.right, layout::pixelsOf(layout::kClientWidthTwips, 96));
    EXPECT_EQ(client.bottom, layout::pixelsOf(layout::kClientHeightTwips, 96));
    for (const layout::ExpectedControl& expected : layout::kControls) {
        EXPECT_NE(control(expected.name), nullptr) << expected.name;
    }
}

// Tab or Shift+Tab as the keyboard sends it, to the window in the foreground.
void pressTab(bool shift) {
    std::vector<INPUT> keys;
    const auto key = [&](WORD code, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = flags;
        keys.push_back(input);
    };
    if (shift) {
        key(VK_SHIFT, 0);
    }
    key(VK_TAB, 0);
    key(VK_TAB, KEYEVENTF_KEYUP);
    if (shift) {
        key(VK_SHIFT, KEYEVENTF_KEYUP);
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

// Tab and Shift+Tab from the keyboard reach the program's own walk through its message loop (the in-process test of
// the view walks after every option click): a loop that left Tab to the system would follow tab stops instead.
TEST_F(WindowTest, TheKeyboardsTabWalksTheControlsInTabIndexOrder) {
    const std::string byTabIndex[] = {ui::txtData(0),    ui::optFormate(0), ui::optFormate(1), ui::optFormate(2),
                                      ui::txtData(1),    ui::txtData(2),    ui::kChkEnable,    ui::txtData(3),
                                      ui::optFormate(3), ui::kCmdSave};
    start();
    SetForegroundWindow(mainWindow());
    std::vector<HWND> cycle;
    for (const std::string& name : byTabIndex) {
        if (IsWindowVisible(control(name))) {
            cycle.push_back(control(name));
        }
    }
    ASSERT_EQ(cycle.size(), 7u) << "one template box shown";
    for (const bool backwards : {false, true}) {
        std::vector<HWND> visited;
        for (std::size_t step = 0; step < cycle.size() + 2; ++step) {
            const HWND before = focusOf(mainWindow());
            pressTab(backwards);
            HWND after = nullptr;
            ASSERT_TRUE(peers::waitUntil([&] { return (after = focusOf(mainWindow())) != before && after; }, kWaitMs))
                << "the focus stayed after " << visited.size() << " steps";
            visited.push_back(after);
        }
        const std::size_t n = cycle.size();
        const auto first =
            static_cast<std::size_t>(std::find(cycle.begin(), cycle.end(), visited.front()) - cycle.begin());
        ASSERT_LT(first, n) << "focus went to a control outside the walk";
        for (std::size_t i = 0; i < visited.size(); ++i) {
            const std::size_t expected = backwards ? (first + n * 2 - i % n) % n : (first + i) % n;
            EXPECT_EQ(visited[i], cycle[expected]) << "step " << i << (backwards ? " back" : "");
        }
    }
}

}  // namespace
}  // namespace marquill::test
