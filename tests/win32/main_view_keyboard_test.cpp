#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/support/main_view_fixture.h"

namespace marquill::win32 {
namespace {

// Tab and Shift+Tab walk the shown controls by tab index, whatever option was clicked last (an unchecked option
// button loses its tab stop, and a walk that followed tab stops would skip it), never the title box or Command1
// outside the window, and the focus arriving on an option never chooses it, as Windows would without being told;
// Space on the focused option does.
TEST_F(MainViewTest, TabWalksTheShownControlsWithoutChoosingAnOption) {
    ASSERT_TRUE(created);
    const std::vector<std::string> byTabIndex = {"txtData(0)",    "optFormate(0)", "optFormate(1)", "optFormate(2)",
                                                 "txtData(1)",    "txtData(2)",    "chkEnable",     "txtData(3)",
                                                 "optFormate(3)", "cmdSave"};
    const auto chosen = [&] {
        int checked = -1;
        for (int option = 0; option < 4; ++option) {
            const std::string name = "optFormate(" + std::to_string(option) + ")";
            if (SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED &&
                IsWindowVisible(control("txtData(" + std::to_string(option) + ")"))) {
                checked = option;
            }
        }
        return checked;
    };
    const auto press = [&](bool shift) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        const MSG tab = {GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(view->navigate(tab));
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    };
    for (int clicked = -1; clicked < 4; ++clicked) {
        std::vector<HWND> forward;
        std::vector<HWND> backward;
        ui.run([&] {
            if (clicked >= 0) {
                SendMessageA(control("optFormate(" + std::to_string(clicked) + ")"), BM_CLICK, 0, 0);
            }
            SetFocus(control("cmdSave"));
            for (std::size_t step = 0; step < 7; ++step) {
                press(false);
                forward.push_back(GetFocus());
            }
            for (std::size_t step = 0; step < 7; ++step) {
                press(true);
                backward.push_back(GetFocus());
            }
        });
        EXPECT_EQ(chosen(), clicked < 0 ? 0 : clicked) << "the walk chose another option";
        std::vector<HWND> shown;
        for (const std::string& name : byTabIndex) {
            if (IsWindowVisible(control(name))) {
                shown.push_back(control(name));
            }
        }
        ASSERT_EQ(shown.size(), 7u) << "one template box shown after clicking " << clicked;
        EXPECT_EQ(forward, shown) << "after clicking " << clicked;
        // Back from the last: the six before it, then round to the last again.
        std::vector<HWND> expectedBack(shown.rbegin() + 1, shown.rend());
        expectedBack.push_back(shown.back());
        EXPECT_EQ(backward, expectedBack) << "after clicking " << clicked;
    }

    // The keyboard still chooses an option: Space on the focused one, as a click does.
    ui.run([&] {
        const HWND yahoo = control("optFormate(2)");
        SetFocus(yahoo);
        SendMessageW(yahoo, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageW(yahoo, WM_KEYUP, VK_SPACE, 0);
    });
    EXPECT_EQ(SendMessageW(control("optFormate(2)"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(IsWindowVisible(control("txtData(2)")));
    EXPECT_FALSE(IsWindowVisible(control("txtData(0)")));
}

}  // namespace
}  // namespace marquill::win32
