#include "chat/chat_drivers.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include "peers/window_trees.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/windows1252_codec.h"
#include "platform/win32_numbers.h"
#include "tests/unit/support/sim_peer_tree.h"

namespace marquill {
namespace {

using Lines = std::vector<std::string>;
using peers::ChatClient;
using test::SimPeerTree;

// The clients' chat windows on a sim desktop, each with the decoys of its table around the windows that matter.
// On a fresh desktop the first tree's windows take the handles 1, 2, ... in table order.
struct ChatDesktop {
    SimPeerTree& host(ChatClient client) {
        trees.push_back(std::make_unique<SimPeerTree>(desktop, peers::chatWindowTree(client)));
        return *trees.back();
    }

    // What reached the clients' windows, by label: "input: sent WM_SETTEXT 0 \"hi\"".
    Lines received() const {
        Lines lines;
        for (const auto& tree : trees) {
            for (const test::ReceivedMessage& received : tree->received()) {
                lines.push_back(received.label + ": " + describe(received.message));
            }
        }
        return lines;
    }

    void forget() {
        for (const auto& tree : trees) {
            tree->forget();
        }
    }

    std::string describe(const sim::SimMessage& m) const {
        static const std::map<std::uint32_t, std::string> names = {{wm::kSetText, "WM_SETTEXT"},
                                                                   {wm::kGetText, "WM_GETTEXT"},
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

    sim::Windows1252Codec codec;
    sim::SimDesktop desktop{codec};
    ChatDrivers drivers{desktop};
    std::vector<std::unique_ptr<SimPeerTree>> trees;
};

using Driver = std::function<void(ChatDrivers&)>;
// A client's tree with some of its windows taken away.
using Trim = std::function<void(SimPeerTree&)>;

// A wrong class, a wrong count or a wrong parent in a chain types the message into a decoy, or nowhere.
TEST(ChatDrivers, EachDriverReachesTheInputItsChainNames) {
    ChatDesktop chat;
    for (const ChatClient client : peers::kChatClients) {
        chat.host(client);
    }
    const struct {
        const char* client;
        Driver send;
        Lines expected;
    } cases[] = {
        {"AIM",
         [](ChatDrivers& d) { d.SendToAIM(L"hi <b>there</b>"); },
         {"input: sent WM_GETTEXT 8 0", "input: sent WM_SETTEXT 0 \"hi <b>there</b>\"",
          "send: posted WM_LBUTTONDOWN 0 0", "send: posted WM_LBUTTONUP 0 0"}},
        {"AOL",
         [](ChatDrivers& d) { d.SendToAOL(L"hi"); },
         {"input: sent WM_GETTEXT 8 0", "input: sent WM_SETTEXT 0 \"hi\"", "input: sent WM_CHAR 13 0"}},
        {"Yahoo",
         [](ChatDrivers& d) { d.SendToYahoo(L"hi"); },
         {"input: sent WM_GETTEXT 8 0", "input: sent WM_SETTEXT 0 \"hi\"", "send: posted WM_LBUTTONDOWN 0 0",
          "send: posted WM_LBUTTONUP 0 0"}},
        {"mIRC",
         [](ChatDrivers& d) {
             d.SendToMirc(
                 L"\x03"
                 L"4hi");
         },
         {"input: sent WM_GETTEXT 8 0",
          "input: sent WM_SETTEXT 0 \"\x03"
          "4hi\"",
          "input: sent WM_CHAR 13 0"}},
    };
    for (const auto& c : cases) {
        chat.forget();
        c.send(chat.drivers);
        EXPECT_EQ(chat.received(), c.expected) << c.client;
    }
}

// Guards against messages to window 0 (which Windows would route elsewhere) and against stray searches.
TEST(ChatDrivers, NoClientRunningMeansOneLookupPerClientAndNothingSent) {
    ChatDesktop chat;
    chat.desktop.createWindow("Notepad");
    EXPECT_EQ(chat.drivers.SendToAIM(L"a"), Delivery::NotSent);
    EXPECT_EQ(chat.drivers.SendToAOL(L"b"), Delivery::NotSent);
    EXPECT_EQ(chat.drivers.SendToYahoo(L"c"), Delivery::NotSent);
    EXPECT_EQ(chat.drivers.SendToMirc(L"d"), Delivery::NotSent);
    EXPECT_EQ(chat.desktop.calls(), (Lines{"FindWindowA(\"AIM_ChatWnd\") = 0", "FindWindowA(\"AOL Frame25\") = 0",
                                           "FindWindowA(\"IMClass\") = 0", "FindWindowA(\"mIRC\") = 0"}));
}

// A search that finds nothing ends its chain: no search under window 0, no wrap-around to the first child,
// no message to a window that was not found, nor to a decoy.
TEST(ChatDrivers, ASearchThatFindsNothingEndsItsChain) {
    const struct {
        const char* what;
        ChatClient client;
        Trim trim;
        Driver send;
        Lines calls;
    } cases[] = {
        {"AOL without a client area",
         ChatClient::AOL,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "MDIClient", 0); },
         [](ChatDrivers& d) { d.SendToAOL(L"x"); },
         {"FindWindowA(\"AOL Frame25\") = 1", "FindWindowExA(1, 0, \"MDIClient\") = 0"}},
        {"mIRC without a channel in its client area",
         ChatClient::Mirc,
         [](SimPeerTree& t) { t.keepFirst(t.window("client"), "mIRC_Channel", 0); },
         [](ChatDrivers& d) { d.SendToMirc(L"x"); },
         {"FindWindowA(\"mIRC\") = 1", "FindWindowExA(1, 0, \"MDIClient\") = 2",
          "FindWindowExA(2, 0, \"mIRC_Channel\") = 0"}},
        {"mIRC edit line only as a grandchild",
         ChatClient::Mirc,
         [](SimPeerTree& t) {
             t.keepFirst(t.window("channel"), "Edit", 0);
             t.desktop().createWindow("Edit", L"", t.desktop().createWindow("Static", L"", t.window("channel")));
         },
         [](ChatDrivers& d) { d.SendToMirc(L"x"); },
         {"FindWindowA(\"mIRC\") = 1", "FindWindowExA(1, 0, \"MDIClient\") = 2",
          "FindWindowExA(2, 0, \"mIRC_Channel\") = 4", "FindWindowExA(4, 0, \"Edit\") = 0"}},
        {"Yahoo with three buttons",
         ChatClient::Yahoo,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "Button", 3); },
         [](ChatDrivers& d) { d.SendToYahoo(L"x"); },
         {"FindWindowA(\"IMClass\") = 1", "FindWindowExA(1, 0, \"YIMInputWindow\") = 2",
          "FindWindowExA(1, 0, \"Button\") = 4", "FindWindowExA(1, 4, \"Button\") = 5",
          "FindWindowExA(1, 5, \"Button\") = 6", "FindWindowExA(1, 6, \"Button\") = 0"}},
        {"AIM with one pane and no buttons, its window looked up once",
         ChatClient::AIM,
         [](SimPeerTree& t) {
             t.keepFirst(t.top(), "WndAte32Class", 1);
             t.keepFirst(t.top(), "_Oscar_IconBtn", 0);
         },
         [](ChatDrivers& d) { d.SendToAIM(L"x"); },
         {"FindWindowA(\"AIM_ChatWnd\") = 1", "FindWindowExA(1, 0, \"WndAte32Class\") = 2",
          "FindWindowExA(1, 2, \"WndAte32Class\") = 0", "FindWindowExA(1, 0, \"_Oscar_IconBtn\") = 0"}},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        c.trim(chat.host(c.client));
        chat.desktop.clearCalls();
        c.send(chat.drivers);
        EXPECT_EQ(chat.desktop.calls(), c.calls) << c.what;
        EXPECT_EQ(chat.received(), Lines{}) << c.what;
    }
}

// Enter or a click sends whatever the box holds: they may follow only a text the box took in this call. A box that
// holds text (the user's draft) is not touched, and nothing is typed where it cannot be sent, for it would stay in
// the box as a draft does.
TEST(ChatDrivers, TheSendActionFollowsOnlyOurTextInAnEmptyBox) {
    const struct {
        const char* what;
        ChatClient client;
        Trim trim;
        std::function<Delivery(ChatDrivers&)> send;
        Delivery delivery;
        Lines expected;
    } cases[] = {
        {"AIM without its second pane",
         ChatClient::AIM,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "WndAte32Class", 1); },
         [](ChatDrivers& d) { return d.SendToAIM(L"x"); },
         Delivery::NotSent,
         {}},
        {"AIM with four buttons",
         ChatClient::AIM,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "_Oscar_IconBtn", 4); },
         [](ChatDrivers& d) { return d.SendToAIM(L"x"); },
         Delivery::NotSent,
         {}},
        {"Yahoo without an input window",
         ChatClient::Yahoo,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "YIMInputWindow", 0); },
         [](ChatDrivers& d) { return d.SendToYahoo(L"x"); },
         Delivery::NotSent,
         {}},
        {"Yahoo with three buttons",
         ChatClient::Yahoo,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "Button", 3); },
         [](ChatDrivers& d) { return d.SendToYahoo(L"x"); },
         Delivery::NotSent,
         {}},
        {"AIM with a draft",
         ChatClient::AIM,
         [](SimPeerTree& t) { t.type("input", L"draft"); },
         [](ChatDrivers& d) { return d.SendToAIM(L"x"); },
         Delivery::InputHasText,
         {"input: sent WM_GETTEXT 8 0"}},
        {"AOL with a draft",
         ChatClient::AOL,
         [](SimPeerTree& t) { t.type("input", L"draft"); },
         [](ChatDrivers& d) { return d.SendToAOL(L"x"); },
         Delivery::InputHasText,
         {"input: sent WM_GETTEXT 8 0"}},
        {"Yahoo with a blank",
         ChatClient::Yahoo,
         [](SimPeerTree& t) { t.type("input", L" "); },
         [](ChatDrivers& d) { return d.SendToYahoo(L"x"); },
         Delivery::InputHasText,
         {"input: sent WM_GETTEXT 8 0"}},
        {"mIRC with a draft",
         ChatClient::Mirc,
         [](SimPeerTree& t) { t.type("input", L"draft"); },
         [](ChatDrivers& d) { return d.SendToMirc(L"x"); },
         Delivery::InputHasText,
         {"input: sent WM_GETTEXT 8 0"}},
        {"mIRC with a draft in Japanese, its window a Unicode one",
         ChatClient::Mirc,
         [](SimPeerTree& t) {
             t.desktop().setUnicode(t.window("input"), true);
             t.type("input", L"\u3042\u3044");
         },
         [](ChatDrivers& d) { return d.SendToMirc(L"x"); },
         Delivery::InputHasText,
         {"input: sent WM_GETTEXT 8 0"}},
        {"mIRC with an empty box",
         ChatClient::Mirc,
         [](SimPeerTree&) {},
         [](ChatDrivers& d) { return d.SendToMirc(L"x"); },
         Delivery::Sent,
         {"input: sent WM_GETTEXT 8 0", "input: sent WM_SETTEXT 0 \"x\"", "input: sent WM_CHAR 13 0"}},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        SimPeerTree& tree = chat.host(c.client);
        c.trim(tree);
        const std::wstring before = tree.text("input");
        EXPECT_EQ(c.send(chat.drivers), c.delivery) << c.what;
        EXPECT_EQ(chat.received(), c.expected) << c.what;
        if (c.delivery == Delivery::InputHasText) {
            EXPECT_EQ(tree.text("input"), before) << c.what << ": the draft is kept";
        }
    }
}

// Another conversation may come on top while the text is typed (the chat client handles other messages then): the
// click must go to the send button of the window that took the text, not to the one on top by then.
TEST(ChatDrivers, TheClickGoesToTheWindowThatTookTheText) {
    const struct {
        ChatClient client;
        Driver send;
    } cases[] = {
        {ChatClient::AIM, [](ChatDrivers& d) { d.SendToAIM(L"x"); }},
        {ChatClient::Yahoo, [](ChatDrivers& d) { d.SendToYahoo(L"x"); }},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        SimPeerTree& typedInto = chat.host(c.client);
        const SimPeerTree* cameOnTop = nullptr;
        chat.desktop.setHandler(typedInto.window("input"), [&](const sim::SimMessage& message) {
            if (message.message == wm::kSetText && cameOnTop == nullptr) {
                cameOnTop = &chat.host(c.client);
            }
            return message.message == wm::kGetText ? 0 : 1;
        });
        c.send(chat.drivers);
        ASSERT_NE(cameOnTop, nullptr) << peers::chatClientName(c.client);
        EXPECT_EQ(chat.received(), (Lines{"send: posted WM_LBUTTONDOWN 0 0", "send: posted WM_LBUTTONUP 0 0"}))
            << peers::chatClientName(c.client);
        EXPECT_EQ(cameOnTop->received().size(), 0u) << peers::chatClientName(c.client);
    }
}

// The message goes to the chat window on top at the moment of the call, never to one remembered from before.
TEST(ChatDrivers, OnlyTheTopmostChannelReceives) {
    ChatDesktop chat;
    const SimPeerTree& mirc = chat.host(ChatClient::Mirc);
    const WindowHandle second =
        chat.desktop.findChildWindow(mirc.window("client"), mirc.window("channel"), "mIRC_Channel");
    const WindowHandle secondEdit = chat.desktop.findChildWindow(second, 0, "Edit");
    chat.drivers.SendToMirc(L"first");
    chat.desktop.bringWindowToTop(second);
    chat.drivers.SendToMirc(L"second");
    std::vector<std::pair<WindowHandle, std::wstring>> texts;
    for (const test::ReceivedMessage& received : mirc.received()) {
        if (received.message.message == wm::kSetText) {
            texts.emplace_back(received.window, received.message.text);
        }
    }
    EXPECT_EQ(texts, (std::vector<std::pair<WindowHandle, std::wstring>>{{mirc.window("input"), L"first"},
                                                                         {secondEdit, L"second"}}));
    EXPECT_EQ(chat.received().size(), 6u) << "each time the box asked, then one text and one Enter";
}

// A message is one WM_SETTEXT and one send action, whatever it holds: not split at line breaks, not skipped when empty.
TEST(ChatDrivers, AMessageIsOneTextAndOneSendAction) {
    const struct {
        std::wstring text;
        Lines expected;
    } cases[] = {
        {L"line 1\r\nline 2",
         {"input: sent WM_GETTEXT 8 0", "input: sent WM_SETTEXT 0 \"line 1\r\nline 2\"", "input: sent WM_CHAR 13 0"}},
        {L"", {"input: sent WM_GETTEXT 8 0", "input: sent WM_SETTEXT 0 \"\"", "input: sent WM_CHAR 13 0"}},
        {L"Caf\u00e9 \u3042",
         {"input: sent WM_GETTEXT 8 0", "input: sent WM_SETTEXT 0 \"Caf\xE9 ?\"", "input: sent WM_CHAR 13 0"}},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        chat.host(ChatClient::Mirc);
        chat.drivers.SendToMirc(c.text);
        EXPECT_EQ(chat.received(), c.expected) << c.text.size();
    }
}

// A hung chat window must not hold up the program: each message to it is one bounded send, and the driver and the
// clients after it go on. A box that did not answer, or did not take the text, gets no Enter or click: once the
// window recovers, either would send whatever the box then holds.
TEST(ChatDrivers, AHungChatWindowCostsBoundedSendsOnly) {
    ChatDesktop chat;
    const WindowHandle input = chat.host(ChatClient::AIM).window("input");
    chat.desktop.setHung(input, true);
    const WindowHandle edit = chat.host(ChatClient::Mirc).window("input");
    chat.desktop.setHandler(edit, [&](const sim::SimMessage&) {
        chat.desktop.setHung(edit, true);  // hangs once it has answered the length
        return 0;
    });
    chat.desktop.clearCalls();

    EXPECT_EQ(chat.drivers.SendToMirc(L"m"), Delivery::NotSent);
    EXPECT_EQ(chat.drivers.SendToAIM(L"a"), Delivery::NotSent);
    const std::string e = std::to_string(edit);
    const std::string i = std::to_string(input);
    Lines sends;
    for (const std::string& call : chat.desktop.calls()) {
        if (call.rfind("SendMessageTimeoutA", 0) == 0) {
            sends.push_back(call);
        }
    }
    EXPECT_EQ(sends, (Lines{"SendMessageTimeoutA(" + e + ", WM_GETTEXT, 8, buffer, 5000) = 0",
                            "SendMessageTimeoutA(" + e + ", WM_SETTEXT, 0, \"m\", 5000) = no answer",
                            "SendMessageTimeoutA(" + i + ", WM_GETTEXT, 8, buffer, 5000) = no answer"}));
    EXPECT_EQ(chat.received(), Lines{});
}

}  // namespace
}  // namespace marquill
