#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

#include "platform/sim/windows1252_codec.h"
#include "platform/win32_numbers.h"
#include "tests/support/child_search.h"

namespace marquill::sim {
namespace {

class SimDesktopTest : public ::testing::Test {
protected:
    Windows1252Codec codec;
    SimDesktop desktop{codec};
};

TEST_F(SimDesktopTest, ChildSearchFindsTheNthOfAClassWithoutWrapping) {
    const std::vector<test::ChildSearchCase> cases = test::childSearchCases(
        [&](const char* className, WindowHandle parent) { return desktop.createWindow(className, L"", parent); });
    for (const test::ChildSearchCase& c : cases) {
        EXPECT_EQ(test::nthChild(desktop, c.parent, c.className, c.n), c.expected) << c.what;
    }
    const WindowHandle top = desktop.findWindow("MarquillTop");
    const WindowHandle grandchild =
        desktop.findChildWindow(desktop.findChildWindow(top, 0, "MarquillButton"), 0, "MarquillButton");
    EXPECT_EQ(desktop.findChildWindow(top, grandchild, "MarquillButton"), 0u) << "after must be a direct child";
}

TEST_F(SimDesktopTest, NewestTopLevelWindowIsFoundFirstUntilAnotherIsBroughtToTop) {
    const WindowHandle older = desktop.createWindow("mIRC");
    const WindowHandle newer = desktop.createWindow("MIRC");
    EXPECT_EQ(desktop.findWindow("mIRC"), newer);
    desktop.bringWindowToTop(older);
    EXPECT_EQ(desktop.findWindow("mirc"), older);
    desktop.destroyWindow(older);
    EXPECT_EQ(desktop.findWindow("mIRC"), newer);
    EXPECT_EQ(desktop.findWindow("mIRC_Channel"), 0u);
}

TEST_F(SimDesktopTest, DestroyingAWindowTakesItsChildrenAlong) {
    const WindowHandle top = desktop.createWindow("Top");
    const WindowHandle child = desktop.createWindow("Child", L"", top);
    desktop.destroyWindow(top);
    EXPECT_FALSE(desktop.exists(top));
    EXPECT_FALSE(desktop.exists(child));
    EXPECT_EQ(desktop.findChildWindow(top, 0, "Child"), 0u);
}

// Titles come back whole in any script and are cut to the caller's buffer, as GetWindowTextW does.
TEST_F(SimDesktopTest, WindowTextIsCutToTheBufferInCharacters) {
    const WindowHandle window = desktop.createWindow("W", L"Caf\u00e9 \u20ac \u0416");
    EXPECT_EQ(desktop.getWindowText(window, 1024), L"Caf\u00e9 \u20ac \u0416");
    EXPECT_EQ(desktop.getWindowText(window, 4), L"Caf");
    EXPECT_EQ(desktop.getWindowText(window, 1), L"");
    EXPECT_EQ(desktop.getWindowText(window, 0), L"");
    EXPECT_EQ(desktop.getWindowText(0, 1024), L"");
}

TEST_F(SimDesktopTest, SentAndPostedMessagesReachTheHandlerAndTheRecord) {
    const WindowHandle window = desktop.createWindow("Edit");
    std::vector<SimMessage> received;
    desktop.setHandler(window, [&](const SimMessage& message) {
        received.push_back(message);
        return 5;
    });
    EXPECT_EQ(desktop.sendMessageTimeout(window, wm::kUser, 1, 105, 5000), 5);
    EXPECT_EQ(desktop.sendTextMessageTimeout(window, wm::kSetText, 0, L"a\r\n\003b\"", 5000), 5);
    EXPECT_EQ(desktop.postMessage(window, wm::kLeftButtonDown, 0, 0), 1);
    EXPECT_EQ(desktop.postMessage(0, wm::kLeftButtonDown, 0, 0), 1)
        << "a post to no window goes to the caller's own queue";
    EXPECT_EQ(desktop.postMessage(77, wm::kLeftButtonDown, 0, 0), 0);
    EXPECT_EQ(desktop.sendMessageTimeout(77, wm::kUser, 0, 0, 5000), std::nullopt);
    desktop.setHung(window, true);
    EXPECT_EQ(desktop.sendMessageTimeout(window, wm::kUser, 0, 0, 5000), std::nullopt);

    const WindowHandle unicode = desktop.createWindow("Edit");
    desktop.setUnicode(unicode, true);
    desktop.setHandler(unicode, [&](const SimMessage& message) {
        received.push_back(message);
        return 1;
    });
    desktop.setHung(window, false);
    EXPECT_EQ(desktop.sendTextMessageTimeout(window, wm::kSetText, 0, L"\u0416\u00e9", 5000), 5);
    EXPECT_EQ(desktop.sendTextMessageTimeout(unicode, wm::kSetText, 0, L"\u0416\u00e9", 5000), 1);

    ASSERT_EQ(received.size(), 5u);
    EXPECT_EQ(received[1].text, L"a\r\n\003b\"");
    EXPECT_EQ(received[3].text, L"?\u00e9") << "an ANSI window gets the text through the code page";
    EXPECT_EQ(received[4].text, L"\u0416\u00e9") << "a Unicode window gets it whole";
    EXPECT_TRUE(received[2].posted);
    EXPECT_EQ(desktop.calls(), (std::vector<std::string>{
                                   "SendMessageTimeoutA(1, WM_USER, 1, 105, 5000) = 5",
                                   "SendMessageTimeoutA(1, WM_SETTEXT, 0, \"a\\r\\n\\x03b\\\"\", 5000) = 5",
                                   "PostMessageA(1, WM_LBUTTONDOWN, 0, 0) = 1",
                                   "PostMessageA(0, WM_LBUTTONDOWN, 0, 0) = 1",
                                   "PostMessageA(77, WM_LBUTTONDOWN, 0, 0) = 0",
                                   "SendMessageTimeoutA(77, WM_USER, 0, 0, 5000) = no answer",
                                   "SendMessageTimeoutA(1, WM_USER, 0, 0, 5000) = no answer",
                                   "SendMessageTimeoutA(1, WM_SETTEXT, 0, \"\\u0416\\xE9\", 5000) = 5",
                                   "SendMessageTimeoutW(2, WM_SETTEXT, 0, \"\\u0416\\xE9\", 5000) = 1",
                               }));
}

TEST_F(SimDesktopTest, TrayIconIsAddedOnceAndDeletedOnce) {
    const WindowHandle owner = desktop.createWindow("Main");
    TrayRecordBytes record{};
    record[0] = 88;
    record[4] = static_cast<std::uint8_t>(owner);
    record[8] = 1;
    EXPECT_TRUE(desktop.notifyIcon(0, record));
    EXPECT_FALSE(desktop.notifyIcon(0, record));
    EXPECT_TRUE(desktop.trayIconShown(owner, 1));
    EXPECT_TRUE(desktop.notifyIcon(2, record));
    EXPECT_FALSE(desktop.notifyIcon(2, record));
    EXPECT_FALSE(desktop.trayIconShown(owner, 1));
}

TEST_F(SimDesktopTest, WindowLongsKeepTheirBits) {
    const WindowHandle window = desktop.createWindow("Edit");
    EXPECT_EQ(desktop.setWindowLong(window, -20, 0x200), 0);
    EXPECT_EQ(desktop.setWindowLong(window, -20, 0x20000), 0x200);
    EXPECT_EQ(desktop.getWindowLong(window, -20), 0x20000);
    EXPECT_EQ(desktop.getWindowLong(window, -16), 0);
}

}  // namespace
}  // namespace marquill::sim
