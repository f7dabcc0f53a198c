#include "chat/chat_drivers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/windows1252_codec.h"
#include "platform/win32_numbers.h"

namespace marquill {
namespace {

using Lines = std::vector<std::string>;

// A sim desktop whose windows note, by name, every message that reaches them.
struct ChatDesktop {
    WindowHandle window(const std::string& className, const std::string& name, WindowHandle parent = 0) {
        const WindowHandle handle = desktop.createWindow(className, L"", parent);
        desktop.setHandler(handle, [this, name](const sim::SimMessage& m) {
            received.push_back(name + ": " + describe(m));
            return 1;
        });
        return handle;
    }

    std::string describe(const sim::SimMessage& m) const {
        static const std::map<std::uint32_t, std::string> names = {{wm::kSetText, "WM_SETTEXT"},
                                                                   {wm::kChar, "WM_CHAR"},
                                                                   {wm::kLeftButtonDown, "WM_LBUTTONDOWN"},
                                                                   {wm::kLeftButtonUp, "WM_LBUTTONUP"}};
        auto name = names.find(m.message);
        const std::string last =
            m.message == wm::kSetText ? "\"" + codec.toAnsi(m.text) + "\"" : std::to_string(m.lParam);
        return std::string(m.posted ? "posted " : "sent ") +
               (name == names.end() ? std::to_string(m.message) : name->second) + " " + std::to_string(m.wParam) + " " +
               last;
    }

    // The clients' trees, each with decoys around the windows that matter: same classes at other places and
    // other classes between the counted siblings. This one returns the input box, 0 when the tree has none.
    WindowHandle aim(int panes = 3, int buttons = 6) {
        window("WndAte32Class", "top-level pane");
        window("AIM_ChatWnd", "older chat");
        const WindowHandle chat = window("AIM_ChatWnd", "chat");
        const char* buttonNames[] = {"button 1", "button 2", "button 3", "button 4", "send", "button 6"};
        const char* paneNames[] = {"pane 1", "pane 2", "pane 3"};
        WindowHandle input = 0;
        for (int i = 0; i < std::max(panes, buttons); ++i) {
            if (i < panes) {
                const WindowHandle pane = window("WndAte32Class", paneNames[i], chat);
                window("Static", std::string(paneNames[i]) + " label", pane);
                const WindowHandle box =
                    window("Ate32Class", i == 1 ? "input" : std::string(paneNames[i]) + " input", pane);
                input = i == 1 ? box : input;
                window("Ate32Class", std::string(paneNames[i]) + " second input", pane);
            }
            if (i < buttons) {
                window("_Oscar_IconBtn", buttonNames[i], chat);
                window("Static", "label", chat);
            }
        }
        return input;
    }

    void aol() {
        window("MDIClient", "top-level client area");
        const WindowHandle frame = window("AOL Frame25", "frame");
        window("AOL Toolbar", "toolbar", frame);
        const WindowHandle client = window("MDIClient", "client area", frame);
        window("MDIClient", "second client area", frame);
        window("RICHCNTL", "client area text box", client);
        for (const std::string room : {"room", "room 2"}) {
            const WindowHandle child = window("AOL Child", room, client);
            window("_AOL_Static", room + " label", child);
            window("RICHCNTL", room == "room" ? "text box" : room + " text box", child);
            window("RICHCNTL", room + " second text box", child);
        }
    }

    void yahoo(int inputs = 2, int buttons = 5) {
        const WindowHandle im = window("IMClass", "im");
        const char* buttonNames[] = {"button 1", "button 2", "button 3", "send", "button 5"};
        for (int i = 0; i < std::max(inputs, buttons); ++i) {
            if (i < buttons) {
                window("Button", buttonNames[i], im);
            }
            if (i < inputs) {
                window("YIMInputWindow", i == 0 ? "input" : "input " + std::to_string(i + 1), im);
            }
        }
    }

    std::array<WindowHandle, 2> mirc() {
        const WindowHandle main = window("mIRC", "main");
        const WindowHandle client = window("MDIClient", "client area", main);
        const WindowHandle query = window("mIRC_Query", "query", client);
        window("Edit", "query edit", query);
        std::array<WindowHandle, 2> channels{};
        for (int i = 0; i < 2; ++i) {
            const std::string name = i == 0 ? "channel" : "channel 2";
            channels[i] = window("mIRC_Channel", name, client);
            window("ListBox", name + " nicks", channels[i]);
            window("Edit", name + " edit", channels[i]);
            window("Edit", name + " second edit", channels[i]);
        }
        return channels;
    }

    sim::Windows1252Codec codec;
    sim::SimDesktop desktop{codec};
    ChatDrivers drivers{desktop};
    Lines received;
};

using Driver = std::function<void(ChatDrivers&)>;

// A wrong class or a wrong count in a chain types the message into some other box, or nowhere.
TEST(ChatDrivers, EachDriverReachesTheInputItsChainNames) {
    ChatDesktop chat;
    chat.aim();
    chat.aol();
    chat.yahoo();
    chat.mirc();
    const struct {
        const char* client;
        Driver send;
        Lines expected;
    } cases[] = {
        {"AIM",
         [](ChatDrivers& d) { d.SendToAIM(L"hi <b>there</b>"); },
         {"input: sent WM_SETTEXT 0 \"hi <b>there</b>\"", "send: posted WM_LBUTTONDOWN 0 0",
          "send: posted WM_LBUTTONUP 0 0"}},
        {"AOL",
         [](ChatDrivers& d) { d.SendToAOL(L"hi"); },
         {"text box: sent WM_SETTEXT 0 \"hi\"", "text box: sent WM_CHAR 13 0"}},
        {"Yahoo",
         [](ChatDrivers& d) { d.SendToYahoo(L"hi"); },
         {"input: sent WM_SETTEXT 0 \"hi\"", "send: posted WM_LBUTTONDOWN 0 0", "send: posted WM_LBUTTONUP 0 0"}},
        {"mIRC",
         [](ChatDrivers& d) {
             d.SendToMirc(
                 L"\x03"
                 L"4hi");
         },
         {"channel edit: sent WM_SETTEXT 0 \"\x03"
          "4hi\"",
          "channel edit: sent WM_CHAR 13 0"}},
        {"AIM click",
         [](ChatDrivers& d) { d.ClickAIMSend(); },
         {"send: posted WM_LBUTTONDOWN 0 0", "send: posted WM_LBUTTONUP 0 0"}},
        {"Yahoo click",
         [](ChatDrivers& d) { d.ClickYahooSend(); },
         {"send: posted WM_LBUTTONDOWN 0 0", "send: posted WM_LBUTTONUP 0 0"}},
    };
    for (const auto& c : cases) {
        chat.received.clear();
        c.send(chat.drivers);
        EXPECT_EQ(chat.received, c.expected) << c.client;
    }
}

// Guards against messages to window 0 (which Windows would route elsewhere) and against stray searches.
TEST(ChatDrivers, NoClientRunningMeansOneLookupPerChainAndNothingSent) {
    ChatDesktop chat;
    chat.window("Notepad", "unrelated");
    chat.drivers.SendToAIM(L"a");
    chat.drivers.SendToAOL(L"b");
    chat.drivers.SendToYahoo(L"c");
    chat.drivers.SendToMirc(L"d");
    EXPECT_EQ(chat.desktop.calls(), (Lines{"FindWindowA(\"AIM_ChatWnd\") = 0", "FindWindowA(\"AIM_ChatWnd\") = 0",
                                           "FindWindowA(\"AOL Frame25\") = 0", "FindWindowA(\"IMClass\") = 0",
                                           "FindWindowA(\"IMClass\") = 0", "FindWindowA(\"mIRC\") = 0"}));
    EXPECT_TRUE(chat.received.empty());
}

// A search that finds nothing ends its chain: no search under window 0, no wrap-around to the first child,
// no message to a window that was not found.
TEST(ChatDrivers, ASearchThatFindsNothingEndsItsChain) {
    const struct {
        const char* what;
        std::function<void(ChatDesktop&)> build;
        Driver send;
        Lines calls;
    } cases[] = {
        {"AOL without a client area",
         [](ChatDesktop& c) { c.window("AOL Frame25", "frame"); },
         [](ChatDrivers& d) { d.SendToAOL(L"x"); },
         {"FindWindowA(\"AOL Frame25\") = 1", "FindWindowExA(1, 0, \"MDIClient\") = 0"}},
        {"mIRC without a channel",
         [](ChatDesktop& c) {
             const WindowHandle client = c.window("MDIClient", "client area", c.window("mIRC", "main"));
             c.window("Edit", "stray edit", c.window("mIRC_Status", "status", client));
         },
         [](ChatDrivers& d) { d.SendToMirc(L"x"); },
         {"FindWindowA(\"mIRC\") = 1", "FindWindowExA(1, 0, \"MDIClient\") = 2",
          "FindWindowExA(2, 0, \"mIRC_Channel\") = 0"}},
        {"mIRC edit line only as a grandchild",
         [](ChatDesktop& c) {
             const WindowHandle client = c.window("MDIClient", "client area", c.window("mIRC", "main"));
             const WindowHandle channel = c.window("mIRC_Channel", "channel", client);
             c.window("Edit", "nested edit", c.window("Static", "frame", channel));
         },
         [](ChatDrivers& d) { d.SendToMirc(L"x"); },
         {"FindWindowA(\"mIRC\") = 1", "FindWindowExA(1, 0, \"MDIClient\") = 2",
          "FindWindowExA(2, 0, \"mIRC_Channel\") = 3", "FindWindowExA(3, 0, \"Edit\") = 0"}},
        {"Yahoo with three buttons",
         [](ChatDesktop& c) { c.yahoo(1, 3); },
         [](ChatDrivers& d) { d.ClickYahooSend(); },
         {"FindWindowA(\"IMClass\") = 1", "FindWindowExA(1, 0, \"Button\") = 2", "FindWindowExA(1, 2, \"Button\") = 4",
          "FindWindowExA(1, 4, \"Button\") = 5", "FindWindowExA(1, 5, \"Button\") = 0"}},
        {"AIM with one pane and no buttons",
         [](ChatDesktop& c) { c.aim(1, 0); },
         [](ChatDrivers& d) { d.SendToAIM(L"x"); },
         {"FindWindowA(\"AIM_ChatWnd\") = 3", "FindWindowExA(3, 0, \"WndAte32Class\") = 4",
          "FindWindowExA(3, 4, \"WndAte32Class\") = 0", "FindWindowA(\"AIM_ChatWnd\") = 3",
          "FindWindowExA(3, 0, \"_Oscar_IconBtn\") = 0"}},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        c.build(chat);
        c.send(chat.drivers);
        EXPECT_EQ(chat.desktop.calls(), c.calls) << c.what;
        EXPECT_TRUE(chat.received.empty()) << c.what;
    }
}

// Text and click are two steps: a missing input box must not cost the click, nor a missing button the text.
TEST(ChatDrivers, TextAndClickStepsStandApart) {
    const struct {
        const char* what;
        std::function<void(ChatDesktop&)> build;
        Driver send;
        Lines expected;
    } cases[] = {
        {"AIM without its second pane",
         [](ChatDesktop& c) { c.aim(1, 6); },
         [](ChatDrivers& d) { d.SendToAIM(L"x"); },
         {"send: posted WM_LBUTTONDOWN 0 0", "send: posted WM_LBUTTONUP 0 0"}},
        {"AIM with four buttons",
         [](ChatDesktop& c) { c.aim(3, 4); },
         [](ChatDrivers& d) { d.SendToAIM(L"x"); },
         {"input: sent WM_SETTEXT 0 \"x\""}},
        {"Yahoo without an input window",
         [](ChatDesktop& c) { c.yahoo(0, 5); },
         [](ChatDrivers& d) { d.SendToYahoo(L"x"); },
         {"send: posted WM_LBUTTONDOWN 0 0", "send: posted WM_LBUTTONUP 0 0"}},
        {"Yahoo with three buttons",
         [](ChatDesktop& c) { c.yahoo(2, 3); },
         [](ChatDrivers& d) { d.SendToYahoo(L"x"); },
         {"input: sent WM_SETTEXT 0 \"x\""}},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        c.build(chat);
        c.send(chat.drivers);
        EXPECT_EQ(chat.received, c.expected) << c.what;
    }
}

// The message goes to the chat window on top at the moment of the call, never to one remembered from before.
TEST(ChatDrivers, OnlyTheTopmostChannelReceives) {
    ChatDesktop chat;
    const std::array<WindowHandle, 2> channels = chat.mirc();
    chat.drivers.SendToMirc(L"first");
    chat.desktop.bringWindowToTop(channels[1]);
    chat.drivers.SendToMirc(L"second");
    EXPECT_EQ(chat.received,
              (Lines{"channel edit: sent WM_SETTEXT 0 \"first\"", "channel edit: sent WM_CHAR 13 0",
                     "channel 2 edit: sent WM_SETTEXT 0 \"second\"", "channel 2 edit: sent WM_CHAR 13 0"}));
}

// A message is one WM_SETTEXT and one send action, whatever it holds: not split at line breaks, not skipped when empty.
TEST(ChatDrivers, AMessageIsOneTextAndOneSendAction) {
    const struct {
        std::wstring text;
        Lines expected;
    } cases[] = {
        {L"line 1\r\nline 2",
         {"channel edit: sent WM_SETTEXT 0 \"line 1\r\nline 2\"", "channel edit: sent WM_CHAR 13 0"}},
        {L"", {"channel edit: sent WM_SETTEXT 0 \"\"", "channel edit: sent WM_CHAR 13 0"}},
        {L"Caf\u00e9 \u3042", {"channel edit: sent WM_SETTEXT 0 \"Caf\xE9 ?\"", "channel edit: sent WM_CHAR 13 0"}},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        chat.mirc();
        chat.drivers.SendToMirc(c.text);
        EXPECT_EQ(chat.received, c.expected) << c.text.size();
    }
}

// A hung chat window must not hold up the program: each message to it is one bounded send, and the driver and the
// clients after it go on. Its box did not take the text, so no Enter or click follows: once the window recovers,
// either would send whatever the box then holds.
TEST(ChatDrivers, AHungChatWindowCostsBoundedSendsOnly) {
    ChatDesktop chat;
    const WindowHandle input = chat.aim();
    chat.desktop.setHung(input, true);
    const std::array<WindowHandle, 2> channels = chat.mirc();
    const WindowHandle edit = chat.desktop.findChildWindow(channels[0], 0, "Edit");
    chat.desktop.setHung(edit, true);
    chat.desktop.clearCalls();

    chat.drivers.SendToMirc(L"m");
    chat.drivers.SendToAIM(L"a");
    const std::string e = std::to_string(edit);
    const std::string i = std::to_string(input);
    Lines sends;
    for (const std::string& call : chat.desktop.calls()) {
        if (call.rfind("SendMessageTimeoutA", 0) == 0) {
            sends.push_back(call);
        }
    }
    EXPECT_EQ(sends, (Lines{"SendMessageTimeoutA(" + e + ", WM_SETTEXT, 0, \"m\", 5000) = no answer",
                            "SendMessageTimeoutA(" + i + ", WM_SETTEXT, 0, \"a\", 5000) = no answer"}));
    EXPECT_EQ(chat.received, Lines{});
}

}  // namespace
}  // namespace marquill
