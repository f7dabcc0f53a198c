#include "chat/chat_drivers.h"

#include <gtest/gtest.h>

#include <algorithm>
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
                                                                   {wm::kLeftButtonUp, "WM_LBUTTONUP"},
                                                                   {peers::kMircCommand, "WM_MCOMMAND"}};
        auto name = names.find(m.message);
        const std::string text = "\"" + codec.toAnsi(m.text) + "\"";
        const std::string last = m.message == wm::kSetText          ? text
                                 : m.message == peers::kMircCommand ? std::to_string(m.lParam) + " " + text
                                                                    : std::to_string(m.lParam);
        return std::string(m.posted ? "posted " : "sent ") +
               (name == names.end() ? std::to_string(m.message) : name->second) + " " + std::to_string(m.wParam) + " " +
               last;
    }

    sim::Windows1252Codec codec;
    sim::SimDesktop desktop{codec};
    ChatDrivers drivers{desktop, desktop};
    std::vector<std::unique_ptr<SimPeerTree>> trees;
};

Lines joined(Lines first, const Lines& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// A client's tree with some of its windows taken away.
using Trim = std::function<void(SimPeerTree&)>;

// The question each driver asks of an input box before it types: does it hold a draft?
const std::string kDraftProbe = "input: sent WM_GETTEXT 8 0";

Delivery sendTo(ChatDrivers& drivers, ChatClient client, const std::wstring& text) {
    switch (client) {
        case ChatClient::AIM:
            return drivers.SendToAIM(text);
        case ChatClient::AOL:
            return drivers.SendToAOL(text);
        case ChatClient::Yahoo:
            return drivers.SendToYahoo(text);
        case ChatClient::Mirc:
        case ChatClient::Mirc6:
            break;
    }
    return drivers.SendToMirc(text);
}

// A wrong class, a wrong count or a wrong parent in a chain types the message into a decoy, or nowhere.
TEST(ChatDrivers, EachDriverReachesTheInputItsChainNames) {
    ChatDesktop chat;
    for (const ChatClient client : peers::kChatClients) {
        chat.host(client);
    }
    const struct {
        ChatClient client;
        std::wstring text;
        Lines expected;
    } cases[] = {
        {ChatClient::AIM,
         L"hi <b>there</b>",
         {kDraftProbe, "input: sent WM_SETTEXT 0 \"hi <b>there</b>\"", "send: posted WM_LBUTTONDOWN 0 0",
          "send: posted WM_LBUTTONUP 0 0"}},
        {ChatClient::AOL, L"hi", {kDraftProbe, "input: sent WM_SETTEXT 0 \"hi\"", "input: sent WM_CHAR 13 0"}},
        {ChatClient::Yahoo,
         L"hi",
         {kDraftProbe, "input: sent WM_SETTEXT 0 \"hi\"", "send: posted WM_LBUTTONDOWN 0 0",
          "send: posted WM_LBUTTONUP 0 0"}},
        {ChatClient::Mirc,
         L"\x03"
         L"4hi",
         {"channel: sent WM_MCOMMAND 14 1 \"\x03"
          "4hi\""}},
    };
    for (const auto& c : cases) {
        chat.forget();
        sendTo(chat.drivers, c.client, c.text);
        EXPECT_EQ(chat.received(), c.expected) << peers::chatClientName(c.client);
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
        Lines calls;
    } cases[] = {
        {"AOL without a client area",
         ChatClient::AOL,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "MDIClient", 0); },
         {"FindWindowA(\"AOL Frame25\") = 1", "FindWindowExA(1, 0, \"MDIClient\") = 0"}},
        {"mIRC without a channel in its client area",
         ChatClient::Mirc,
         [](SimPeerTree& t) { t.keepFirst(t.window("client"), "mIRC_Channel", 0); },
         {"FindWindowA(\"mIRC\") = 1", "FindWindowExA(1, 0, \"MDIClient\") = 2",
          "FindWindowExA(2, 0, \"mIRC_Channel\") = 0"}},
        {"Yahoo with three buttons",
         ChatClient::Yahoo,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "Button", 3); },
         {"FindWindowA(\"IMClass\") = 1", "FindWindowExA(1, 0, \"YIMInputWindow\") = 2",
          "FindWindowExA(1, 0, \"Button\") = 4", "FindWindowExA(1, 4, \"Button\") = 5",
          "FindWindowExA(1, 5, \"Button\") = 6", "FindWindowExA(1, 6, \"Button\") = 0"}},
        {"AIM with one pane and no buttons, its window looked up once",
         ChatClient::AIM,
         [](SimPeerTree& t) {
             t.keepFirst(t.top(), "WndAte32Class", 1);
             t.keepFirst(t.top(), "_Oscar_IconBtn", 0);
         },
         {"FindWindowA(\"AIM_ChatWnd\") = 1", "FindWindowExA(1, 0, \"WndAte32Class\") = 2",
          "FindWindowExA(1, 2, \"WndAte32Class\") = 0", "FindWindowExA(1, 0, \"_Oscar_IconBtn\") = 0"}},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        c.trim(chat.host(c.client));
        chat.desktop.clearCalls();
        sendTo(chat.drivers, c.client, L"x");
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
        Delivery delivery;
        Lines expected;
    } cases[] = {
        {"AIM without its second pane",
         ChatClient::AIM,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "WndAte32Class", 1); },
         Delivery::NotSent,
         {}},
        {"AIM with four buttons",
         ChatClient::AIM,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "_Oscar_IconBtn", 4); },
         Delivery::NotSent,
         {}},
        {"Yahoo without an input window",
         ChatClient::Yahoo,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "YIMInputWindow", 0); },
         Delivery::NotSent,
         {}},
        {"Yahoo with three buttons",
         ChatClient::Yahoo,
         [](SimPeerTree& t) { t.keepFirst(t.top(), "Button", 3); },
         Delivery::NotSent,
         {}},
        {"AIM with a draft",
         ChatClient::AIM,
         [](SimPeerTree& t) { t.type("input", L"draft"); },
         Delivery::InputHasText,
         {kDraftProbe}},
        {"AOL with a draft",
         ChatClient::AOL,
         [](SimPeerTree& t) { t.type("input", L"draft"); },
         Delivery::InputHasText,
         {kDraftProbe}},
        {"Yahoo with a blank",
         ChatClient::Yahoo,
         [](SimPeerTree& t) { t.type("input", L" "); },
         Delivery::InputHasText,
         {kDraftProbe}},
        {"mIRC 6 with a draft",
         ChatClient::Mirc6,
         [](SimPeerTree& t) { t.type("input", L"draft"); },
         Delivery::InputHasText,
         {kDraftProbe}},
        {"mIRC 6 with a draft in Japanese, its window a Unicode one",
         ChatClient::Mirc6,
         [](SimPeerTree& t) {
             t.desktop().setUnicode(t.window("input"), true);
             t.type("input", L"\u3042\u3044");
         },
         Delivery::InputHasText,
         {kDraftProbe}},
        {"mIRC 6 with an empty box",
         ChatClient::Mirc6,
         [](SimPeerTree&) {},
         Delivery::Sent,
         {kDraftProbe, "input: sent WM_SETTEXT 0 \"x\"", "input: sent WM_CHAR 13 0"}},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        SimPeerTree& tree = chat.host(c.client);
        c.trim(tree);
        const std::wstring before = tree.text("input");
        EXPECT_EQ(sendTo(chat.drivers, c.client, L"x"), c.delivery) << c.what;
        EXPECT_EQ(chat.received(), c.expected) << c.what;
        if (c.delivery == Delivery::InputHasText) {
            EXPECT_EQ(tree.text("input"), before) << c.what << ": the draft is kept";
        }
    }
}

// Another conversation may come on top while the text is typed (the chat client handles other messages then): the
// click must go to the send button of the window that took the text, not to the one on top by then.
TEST(ChatDrivers, TheClickGoesToTheWindowThatTookTheText) {
    for (const ChatClient client : {ChatClient::AIM, ChatClient::Yahoo}) {
        ChatDesktop chat;
        SimPeerTree& typedInto = chat.host(client);
        const SimPeerTree* cameOnTop = nullptr;
        chat.desktop.setHandler(typedInto.window("input"), [&](const sim::SimMessage& message) {
            if (message.message == wm::kSetText && cameOnTop == nullptr) {
                cameOnTop = &chat.host(client);
            }
            return message.message == wm::kGetText ? 0 : 1;
        });
        sendTo(chat.drivers, client, L"x");
        ASSERT_NE(cameOnTop, nullptr) << peers::chatClientName(client);
        EXPECT_EQ(chat.received(), (Lines{"send: posted WM_LBUTTONDOWN 0 0", "send: posted WM_LBUTTONUP 0 0"}))
            << peers::chatClientName(client);
        EXPECT_EQ(cameOnTop->received().size(), 0u) << peers::chatClientName(client);
    }
}

// The message goes to the chat window on top at the moment of the call, never to one remembered from before.
TEST(ChatDrivers, OnlyTheTopmostChannelReceives) {
    ChatDesktop chat;
    const SimPeerTree& mirc = chat.host(ChatClient::Mirc);
    const WindowHandle second =
        chat.desktop.findChildWindow(mirc.window("client"), mirc.window("channel"), "mIRC_Channel");
    chat.drivers.SendToMirc(L"first");
    chat.desktop.bringWindowToTop(second);
    chat.drivers.SendToMirc(L"second");
    std::vector<std::pair<WindowHandle, std::wstring>> texts;
    for (const test::ReceivedMessage& received : mirc.received()) {
        texts.emplace_back(received.window, received.message.text);
    }
    EXPECT_EQ(texts, (std::vector<std::pair<WindowHandle, std::wstring>>{{mirc.window("channel"), L"first"},
                                                                         {second, L"second"}}));
}

// Today's mIRC has no edit line: each line goes through its command message, as plain Unicode text (never a
// command), from a mapping of a name no other program uses, held until mIRC answered and given back then. The
// user's editbox is never touched, and a refusal or a name that cannot be had sends no later line.
TEST(ChatDrivers, TodaysMircTakesEachLineThroughItsCommandMessage) {
    // The mapping made under mIRC<n>, mIRC's answer with it, the mapping given back.
    const auto through = [](int n, const char* reply) {
        const std::string name = "\"mIRC" + std::to_string(n) + "\"";
        return Lines{"CreateFileMappingW(" + name + ", 8192) = made",
                     "SendMessageTimeoutA(4, 1224, 14, " + std::to_string(n) + ", 5000) = " + reply,
                     "CloseHandle(" + name + ")"};
    };
    const std::wstring longLine = std::wstring(4094, L'x') + L"\U0001F3B8";
    Lines allTaken;
    for (int n = 1; n <= 16; ++n) {
        allTaken.push_back("CreateFileMappingW(\"mIRC" + std::to_string(n) + "\", 8192) = exists");
    }
    const struct {
        const char* what;
        Trim trim;
        std::wstring text;
        Delivery delivery;
        std::vector<std::wstring> commands;
        Lines calls;  // besides the lookups
    } cases[] = {
        {"two lines and an empty one",
         [](SimPeerTree&) {},
         L"one\r\n\r\ntwo",
         Delivery::Sent,
         {L"one", L"two"},
         joined(through(1, "1"), through(1, "1"))},
        {"names in use by other programs",
         [](SimPeerTree& t) {
             t.desktop().takeSharedName(L"mIRC1", false);
             t.desktop().takeSharedName(L"mIRC2", true);
         },
         L"x",
         Delivery::Sent,
         {L"x"},
         joined({"CreateFileMappingW(\"mIRC1\", 8192) = exists", "CreateFileMappingW(\"mIRC2\", 8192) = access denied"},
                through(3, "1"))},
        {"no name to be had",
         [](SimPeerTree& t) {
             for (int n = 1; n <= 16; ++n) {
                 t.desktop().takeSharedName(L"mIRC" + std::to_wstring(n), false);
             }
         },
         L"x\ry",
         Delivery::NotSent,
         {},
         allTaken},
        {"mIRC's SendMessage server off",
         [](SimPeerTree& t) { t.desktop().setHandler(t.window("channel"), [](const sim::SimMessage&) { return 0; }); },
         L"x\ny",
         Delivery::NotSent,
         {},
         through(1, "0")},
        {"a line longer than a mapping holds, cut before a character of two units",
         [](SimPeerTree&) {},
         longLine + L"y",
         Delivery::Sent,
         {longLine.substr(0, 4094)},
         through(1, "1")},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        SimPeerTree& mirc = chat.host(ChatClient::Mirc);
        mirc.type("input", L"draft");
        c.trim(mirc);
        chat.desktop.clearCalls();
        EXPECT_EQ(chat.drivers.SendToMirc(c.text), c.delivery) << c.what;
        EXPECT_EQ(mirc.textsAt("channel"), c.commands) << c.what;
        Lines calls;
        for (const std::string& call : chat.desktop.calls()) {
            if (call.rfind("Find", 0) != 0) {
                calls.push_back(call);
            }
        }
        EXPECT_EQ(calls, c.calls) << c.what;
        EXPECT_TRUE(std::none_of(mirc.received().begin(), mirc.received().end(),
                                 [](const test::ReceivedMessage& m) { return m.label == "input"; }))
            << c.what << ": the editbox is the user's";
    }
}

// A message is one WM_SETTEXT and one send action, whatever it holds: not split at line breaks, not skipped when empty.
TEST(ChatDrivers, AMessageIsOneTextAndOneSendAction) {
    const struct {
        std::wstring text;
        Lines expected;
    } cases[] = {
        {L"line 1\r\nline 2",
         {kDraftProbe, "input: sent WM_SETTEXT 0 \"line 1\r\nline 2\"", "input: sent WM_CHAR 13 0"}},
        {L"", {kDraftProbe, "input: sent WM_SETTEXT 0 \"\"", "input: sent WM_CHAR 13 0"}},
        {L"Caf\u00e9 \u3042", {kDraftProbe, "input: sent WM_SETTEXT 0 \"Caf\xE9 ?\"", "input: sent WM_CHAR 13 0"}},
    };
    for (const auto& c : cases) {
        ChatDesktop chat;
        chat.host(ChatClient::Mirc6);
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
    const WindowHandle edit = chat.host(ChatClient::Mirc6).window("input");
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
