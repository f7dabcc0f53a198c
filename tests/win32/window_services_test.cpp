#include "platform/win32/win32_window_services.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/win32_ansi_codec.h"
#include "tests/support/child_search.h"
#include "tests/win32/support/window_thread.h"

namespace marquill::win32 {
namespace {

using test::WindowThread;

class Win32WindowServicesTest : public ::testing::Test {
protected:
    Win32AnsiCodec codec;
    Win32WindowServices services{codec};
    WindowThread peers;
};

// The sim desktop's search rules must be Windows' own, or chains that pass against the sim fail for real.
TEST_F(Win32WindowServicesTest, ChildSearchMatchesTheSimRules) {
    const std::vector<test::ChildSearchCase> cases =
        test::childSearchCases([&](const char* className, WindowHandle parent) {
            return fromHwnd(peers.createWindow(className, "", toHwnd(parent)));
        });
    for (const test::ChildSearchCase& c : cases) {
        EXPECT_EQ(test::nthChild(services, c.parent, c.className, c.n), c.expected) << c.what;
    }
    EXPECT_NE(services.findWindow("marquilltop"), 0u) << "class names match without regard to case";
    EXPECT_EQ(services.findWindow("MarquillNoSuchClass"), 0u);
}

TEST_F(Win32WindowServicesTest, SentAndPostedMessagesArriveWithTheirParameters) {
    std::vector<std::string> received;
    const HWND window = peers.createWindow(
        "MarquillRecorder", "", nullptr, [&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& reply) {
            if (message == WM_SETTEXT) {
                received.push_back(reinterpret_cast<const char*>(lParam));
                reply = TRUE;
                return true;
            }
            if (message == WM_USER || message == WM_COMMAND) {
                received.push_back(std::to_string(message) + " " + std::to_string(wParam) + " " +
                                   std::to_string(lParam));
                reply = 4242;
                return true;
            }
            return false;
        });
    const WindowHandle handle = fromHwnd(window);
    EXPECT_EQ(services.sendMessageTimeout(handle, WM_USER, 1, 105, 5000), 4242);
    EXPECT_EQ(services.sendTextMessageTimeout(handle, WM_SETTEXT, 0,
                                              L"line 1\r\n\x03"
                                              L"4line 2",
                                              5000),
              TRUE);
    EXPECT_NE(services.postMessage(handle, WM_COMMAND, 40045, -1), 0);
    peers.run([] {});  // the posted command has been handled once the thread runs the next job
    EXPECT_EQ(received, (std::vector<std::string>{std::to_string(WM_USER) + " 1 105", "line 1\r\n\0034line 2",
                                                  std::to_string(WM_COMMAND) + " 40045 -1"}));

    EXPECT_EQ(services.sendMessageTimeout(0, WM_USER, 0, 0, 5000), std::nullopt);
    EXPECT_NE(services.postMessage(0, WM_NULL, 0, 0), 0) << "a post to no window goes to our own queue";
    EXPECT_EQ(services.postMessage(fromHwnd(window) + 4, WM_NULL, 0, 0), 0) << "a post to a bad handle fails";
    MSG drained;
    while (PeekMessageA(&drained, nullptr, 0, 0, PM_REMOVE)) {
    }
}

// A title comes back in any script, at most 1023 characters of it; the program's title rules count on it.
TEST_F(Win32WindowServicesTest, WindowTextIsCutTo1023Characters) {
    const std::wstring longTitle(1100, L'\u3042');
    HWND window = nullptr;
    peers.run([&] {
        window = CreateWindowExW(0, L"STATIC", longTitle.c_str(), 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    });
    EXPECT_EQ(services.getWindowText(fromHwnd(window), 1024), longTitle.substr(0, 1023));
    EXPECT_EQ(services.getWindowText(0, 1024), L"");
    peers.run([&] { DestroyWindow(window); });
}

// The system would convert text for a window of the other kind on its own, with look-alikes; the program sends
// a Unicode window wide text and converts for an ANSI one itself.
TEST_F(Win32WindowServicesTest, TextGoesToEachWindowInItsOwnKind) {
    HWND unicode = nullptr;
    HWND ansi = nullptr;
    peers.run([&] {
        unicode = CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
        ansi = CreateWindowExA(0, "EDIT", "", 0, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    });
    ASSERT_TRUE(IsWindowUnicode(unicode));
    ASSERT_FALSE(IsWindowUnicode(ansi));
    const std::wstring text = L"\u3042 \uFF0Fquit \u00e9";
    EXPECT_EQ(services.sendTextMessageTimeout(fromHwnd(unicode), WM_SETTEXT, 0, text, 5000), TRUE);
    EXPECT_EQ(services.sendTextMessageTimeout(fromHwnd(ansi), WM_SETTEXT, 0, text, 5000), TRUE);
    EXPECT_EQ(services.getWindowText(fromHwnd(unicode), 1024), text);
    if (GetACP() == 1252) {
        EXPECT_EQ(services.getWindowText(fromHwnd(ansi), 1024), L"? ?quit \u00e9");
    }
    peers.run([&] {
        DestroyWindow(unicode);
        DestroyWindow(ansi);
    });
}

TEST_F(Win32WindowServicesTest, StylesChangeAndTheFrameIsRecomputed) {
    const HWND top = peers.createWindow("MarquillStyled", "");
    const WindowHandle handle = fromHwnd(top);
    RECT before;
    GetWindowRect(top, &before);
    const std::int32_t exStyle = services.getWindowLong(handle, GWL_EXSTYLE);
    EXPECT_EQ(services.setWindowLong(handle, GWL_EXSTYLE, exStyle | WS_EX_STATICEDGE), exStyle);
    EXPECT_EQ(services.getWindowLong(handle, GWL_EXSTYLE) & WS_EX_STATICEDGE, WS_EX_STATICEDGE);
    EXPECT_TRUE(services.setWindowPos(handle, 0, 0, 0, 0, 0, 0x37));
    RECT after;
    GetWindowRect(top, &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "0x37 must neither move nor resize";
}

TEST_F(Win32WindowServicesTest, TrayIconIsAddedOnceAndDeletedOnce) {
    const HWND owner = peers.createWindow("MarquillTrayOwner", "");
    TrayRecordBytes record{};
    const std::uint32_t fields[] = {88, fromHwnd(owner), 7, 0};
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t b = 0; b < 4; ++b) {
            record[i * 4 + b] = static_cast<std::uint8_t>(fields[i] >> (8 * b));
        }
    }
    EXPECT_TRUE(services.notifyIcon(NIM_ADD, record));
    EXPECT_FALSE(services.notifyIcon(NIM_ADD, record));
    EXPECT_TRUE(services.notifyIcon(NIM_DELETE, record));
    EXPECT_FALSE(services.notifyIcon(NIM_DELETE, record));
}

TEST(Win32AnsiCodec, RoundTripsTheCodePage) {
    Win32AnsiCodec codec;
    EXPECT_EQ(codec.fromAnsi("\x02\x03 plain\r\n"), L"\x02\x03 plain\r\n");
    EXPECT_EQ(codec.toAnsi(L""), "");
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the rest assumes code page 1252";
    }
    EXPECT_EQ(codec.fromAnsi("Caf\xE9 \x80"), L"Caf\u00e9 \u20ac");
}

// The system's default conversion maps a missing character to a look-alike ("／" to "/", so a title could become
// a command); the program's own conversion gives "?" and tells that it lost something.
TEST(Win32AnsiCodec, MissingCharactersBecomeQuestionMarksNeverLookAlikes) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the table assumes code page 1252";
    }
    const struct {
        std::wstring text;
        std::string bytes;
        bool exact;
    } cases[] = {
        {L"Caf\u00e9 \u20ac", "Caf\xE9 \x80", true},
        {L"\uFF0Fquit", "?quit", false},
        {L"\u221E", "?", false},
        {L"\u0101", "?", false},
        {L"\u3042", "?", false},
        {L"x\U0001F3B5y", "x?y", false},
    };
    Win32AnsiCodec codec;
    for (const auto& c : cases) {
        EXPECT_EQ(codec.toAnsi(c.text), c.bytes) << c.bytes;
        EXPECT_EQ(codec.toAnsiExactly(c.text), c.exact ? std::optional<std::string>(c.bytes) : std::nullopt) << c.bytes;
    }
}

}  // namespace
}  // namespace marquill::win32
