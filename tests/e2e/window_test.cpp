#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_window_description.h"
#include "chat/chat_clients.h"
#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "support/app_window.h"
#include "support/drawn_font.h"
#include "support/e2e_fixture.h"

namespace marquill::test {
namespace {

namespace id = mainwindow::id;

using WindowTest = EndToEndTest;

// A program that polls before it is switched on, or starts on the wrong client, announces unasked.
TEST_F(WindowTest, StartsIdleWithTheAimTemplateShown) {
    hostPlayer("4. Band - Tune - Winamp", {0, 1, 65000, 185, 9});
    start();
    char caption[64] = {};
    GetWindowTextA(mainWindow(), caption, sizeof(caption));
    EXPECT_STREQ(caption, "MarquillAmp 1");
    for (int i = 0; i < static_cast<int>(std::size(peers::kChatClients)); ++i) {
        EXPECT_EQ(IsWindowVisible(control(id::txtData(i))) != 0, i == 0) << "txtData(" << i << ")";
        EXPECT_EQ(SendMessageA(control(id::optFormate(i)), BM_GETCHECK, 0, 0), i == 0 ? BST_CHECKED : BST_UNCHECKED)
            << "optFormate(" << i << ")";
        EXPECT_TRUE(drawnIn(control(id::optFormate(i)), i == 0 ? Weight::Bold : Weight::Regular, kWaitMs))
            << "optFormate(" << i << ")";
    }
    EXPECT_EQ(SendMessageA(control(id::kChkEnable), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Sleep(300);  // thirty ticks at the timer floor of 10 ms, had it been running
    for (const int holder :
         {id::kTxtTitle, id::kLbltTime, id::kLblTrackNumber, id::kLblTrackPer, id::kLblTotalTracks}) {
        EXPECT_EQ(text(holder), "") << "holder " << holder;
    }
    EXPECT_EQ(player->queryCount(), 0) << "no query reaches the player before the check box is clicked";
}

struct Placement {
    int id;
    const char* text;  // null: not compared
    RECT rect;         // left, top, right, bottom in the main window's client area at 96 DPI
    Weight weight;     // Unknown: not seen from outside (off-screen labels and button, the picture)
};

// A control off by a pixel or a font lost on the way from the description to the window shows as a wrong layout;
// the expected pixels are the description's twips divided by 15, frame children offset by the frame's 8, 8. Every
// font is Tahoma 8.25 pt; only the weight differs.
TEST_F(WindowTest, EveryControlSitsWhereTheDescriptionPlacesIt) {
    const Placement placements[] = {
        {id::optFormate(3), "Mirc", {80, 232, 145, 249}, Weight::Regular},
        {id::kTxtTitle, nullptr, {352, 328, 569, 347}, Weight::Regular},
        {id::kChkEnable, "Enable Marquill Amp", {176, 232, 337, 249}, Weight::Bold},
        {id::kCommand1, "Command1", {432, 120, 505, 161}, Weight::Unknown},
        {id::optFormate(2), "Yahoo", {24, 232, 89, 249}, Weight::Regular},
        {id::optFormate(1), "AOL", {80, 216, 145, 233}, Weight::Regular},
        {id::optFormate(0), "AIM", {24, 216, 89, 233}, Weight::Bold},
        {id::kFrmMesg, "Message", {8, 8, 337, 193}, Weight::Bold},
        {id::kLblTotalTracks, "", {352, 232, 521, 249}, Weight::Unknown},
        {id::kLblTrackPer, "", {352, 256, 537, 273}, Weight::Unknown},
        {id::kLblTrackNumber, "", {352, 280, 529, 297}, Weight::Unknown},
        {id::kLbltTime, "", {352, 304, 545, 321}, Weight::Unknown},
        {id::kLabel1, "Messenger", {8, 200, 121, 217}, Weight::Bold},
        {id::kCmdSave, "Save", {272, 160, 329, 185}, Weight::Bold},
        {id::txtData(3), nullptr, {16, 24, 329, 113}, Weight::Bold},
        {id::txtData(2), nullptr, {16, 24, 329, 113}, Weight::Bold},
        {id::txtData(1), nullptr, {16, 24, 329, 113}, Weight::Bold},
        {id::txtData(0), nullptr, {16, 24, 329, 113}, Weight::Bold},
        {id::kImage1, nullptr, {296, 120, 328, 152}, Weight::Unknown},
        {id::lblFace(6), "%tl Tracks in play list", {128, 120, 233, 137}, Weight::Bold},
        {id::lblFace(5), "%d Date", {128, 152, 185, 169}, Weight::Bold},
        {id::lblFace(4), "%t Time", {128, 136, 185, 153}, Weight::Bold},
        {id::lblFace(3), "%tp Track Percent", {16, 168, 121, 185}, Weight::Bold},
        {id::lblFace(2), "%tn Track Number", {16, 152, 121, 169}, Weight::Bold},
        {id::lblFace(1), "%tt Track Time", {16, 136, 97, 153}, Weight::Bold},
        {id::lblFace(0), "%s  Song Title", {16, 120, 97, 137}, Weight::Bold},
    };
    start();
    ASSERT_TRUE(peers::setControlText(control(id::kTxtTitle), "Measured"));  // an empty box has no widths to read
    RECT client;
    GetClientRect(mainWindow(), &client);
    EXPECT_EQ(client.right, 345);
    EXPECT_EQ(client.bottom, 255);
    for (const Placement& p : placements) {
        const HWND window = control(p.id);
        ASSERT_NE(window, nullptr) << "control " << p.id;
        EXPECT_TRUE(IsWindowEnabled(window)) << "control " << p.id;
        const RECT rect = clientRectOf(mainWindow(), window);
        EXPECT_TRUE(EqualRect(&rect, &p.rect)) << "control " << p.id << " at " << rect.left << ", " << rect.top << " - "
                                               << rect.right << ", " << rect.bottom;
        if (p.text) {
            EXPECT_EQ(peers::controlText(window), p.text) << "control " << p.id;
        }
        if (p.weight != Weight::Unknown) {
            EXPECT_TRUE(drawnIn(window, p.weight, kWaitMs)) << "control " << p.id;
        }
    }
}

// The hidden boxes are restyled too; a box restyled only when first shown would appear sunken.
TEST_F(WindowTest, TemplateBoxesAndSaveAreFlat) {
    start();
    const int flat[] = {id::txtData(0), id::txtData(1), id::txtData(2), id::txtData(3), id::kCmdSave};
    for (const int controlId : flat) {
        const LONG exStyle = GetWindowLongA(control(controlId), GWL_EXSTYLE);
        const LONG style = GetWindowLongA(control(controlId), GWL_STYLE);
        EXPECT_EQ(exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), WS_EX_STATICEDGE) << "control " << controlId;
        EXPECT_EQ(style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME), 0) << "control " << controlId;
    }
    for (int i = 0; i < static_cast<int>(std::size(peers::kChatClients)); ++i) {
        EXPECT_EQ(GetWindowLongA(control(id::txtData(i)), GWL_STYLE) & (ES_MULTILINE | WS_VSCROLL),
                  ES_MULTILINE | WS_VSCROLL)
            << "txtData(" << i << ")";
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

// Tab and Shift+Tab must walk the focusable, visible controls by tab index, off-screen holders included and hidden
// template boxes skipped, whatever option the user clicked last: an unchecked option button loses its tab stop,
// and a walk that follows tab stops would skip it.
TEST_F(WindowTest, TabWalksTheControlsInTabIndexOrderAfterEveryOptionClick) {
    const int byTabIndex[] = {id::txtData(0),    id::optFormate(0), id::optFormate(1), id::optFormate(2),
                              id::kCommand1,     id::txtData(1),    id::txtData(2),    id::kChkEnable,
                              id::kTxtTitle,     id::txtData(3),    id::optFormate(3), id::kCmdSave};
    start();
    SetForegroundWindow(mainWindow());
    for (int clicked = -1; clicked < kClientCount; ++clicked) {
        if (clicked >= 0) {
            ASSERT_TRUE(peers::click(control(id::optFormate(clicked))));
        }
        std::vector<int> cycle;
        for (const int controlId : byTabIndex) {
            if (IsWindowVisible(control(controlId))) {
                cycle.push_back(controlId);
            }
        }
        ASSERT_EQ(cycle.size(), 9u) << "one template box shown after clicking " << clicked;
        for (const bool backwards : {false, true}) {
            std::vector<int> visited;
            for (std::size_t step = 0; step < cycle.size() + 2; ++step) {
                const HWND before = focusOf(mainWindow());
                pressTab(backwards);
                HWND after = nullptr;
                ASSERT_TRUE(peers::waitUntil([&] { return (after = focusOf(mainWindow())) != before && after; },
                                             kWaitMs))
                    << "the focus stayed after " << visited.size() << " steps; clicked " << clicked;
                visited.push_back(GetDlgCtrlID(after));
            }
            const std::size_t n = cycle.size();
            const auto first = static_cast<std::size_t>(std::find(cycle.begin(), cycle.end(), visited.front()) -
                                                        cycle.begin());
            ASSERT_LT(first, n) << "focus went to control " << visited.front();
            for (std::size_t i = 0; i < visited.size(); ++i) {
                const std::size_t expected = backwards ? (first + n * 2 - i % n) % n : (first + i) % n;
                EXPECT_EQ(visited[i], cycle[expected]) << "step " << i << (backwards ? " back" : "") << "; clicked "
                                                       << clicked;
            }
        }
    }
}

}  // namespace
}  // namespace marquill::test
