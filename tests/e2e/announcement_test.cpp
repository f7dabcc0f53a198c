#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "tests/e2e/support/chat_messages.h"
#include "tests/e2e/support/e2e_fixture.h"
#include "tests/e2e/support/hanging_chat.h"
#include "tests/support/expected_defaults.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using Lines = std::vector<std::string>;
using peers::ChatClient;

struct Song {
    const char* title;
    peers::PlayerReplies replies;
};

const Song kFirstSong = {"3. Band - Tune - Winamp", {0, 1, 65000, 185, 9}};
const Song kSecondSong = {"12. Other - Song - Winamp", {0, 1, 200000, 240, 12}};

// The program's bound on one blocking send to a chat window.
constexpr DWORD kDeliveryBoundMs = 5000;

std::size_t indexOf(ChatClient client) {
    return static_cast<std::size_t>(client);
}

// The holders' texts at the moment of composing: "%s", "%tt", "%tn", "%tp", "%tl".
struct Holders {
    std::string title;
    std::string time;
    std::string number;
    std::string percent;
    std::string total;
};

// Every placeholder replaced by its value, in the order given.
std::string filled(std::string text, const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [placeholder, value] : values) {
        for (std::size_t at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at + value.size())) {
            text.replace(at, placeholder.size(), value);
        }
    }
    return text;
}

::testing::AssertionResult composedAs(const std::string& received,
                                      ChatClient client,
                                      const Holders& holders,
                                      const ClockTexts& clock) {
    const auto expected = [&](const std::string& time, const std::string& date) {
        // "%t" last but one: it begins "%tt", "%tn", "%tp" and "%tl".
        return filled(expectedDefaultTemplate(static_cast<int>(indexOf(client))), {{"%s", holders.title},
                                                                                   {"%tt", holders.time},
                                                                                   {"%tn", holders.number},
                                                                                   {"%tp", holders.percent},
                                                                                   {"%tl", holders.total},
                                                                                   {"%t", time},
                                                                                   {"%d", date}});
    };
    for (const std::string& time : clock.times) {
        for (const std::string& date : clock.dates) {
            if (received == expected(time, date)) {
                return ::testing::AssertionSuccess();
            }
        }
    }
    const std::string someTime = clock.times.empty() ? "?" : *clock.times.begin();
    const std::string someDate = clock.dates.empty() ? "?" : *clock.dates.begin();
    return ::testing::AssertionFailure() << "received \"" << peers::printable(received) << "\"\nexpected \""
                                         << peers::printable(expected(someTime, someDate)) << "\" (time and date from "
                                         << clock.times.size() << " and " << clock.dates.size() << " candidates)";
}

class AnnouncementTest : public EndToEndTest {
protected:
    void hostChats(const std::vector<ChatClient>& clients, const peers::PeerWindowOptions& options = {}) {
        for (const ChatClient client : clients) {
            chats_[indexOf(client)] = &hostTree(peers::chatWindowTree(client), options);
        }
    }

    // Every template box holds `templateText`.
    void setTemplates(const std::string& templateText) {
        for (const ChatClient client : peers::kChatClients) {
            ASSERT_TRUE(peers::setControlText(control(ui::txtData(static_cast<int>(indexOf(client)))), templateText));
        }
    }

    const peers::PeerTree& chat(ChatClient client) const { return *chats_[indexOf(client)]; }

    ::testing::AssertionResult sentWithin(ChatClient client, std::size_t count, DWORD timeoutMs = kWaitMs) const {
        return test::sentWithin(chat(client), client, count, timeoutMs);
    }

    Lines sent(ChatClient client) const { return sentMessages(chat(client), client); }

    // Waits until every client hosted has sent `count` messages.
    ::testing::AssertionResult allSentWithin(std::size_t count) const {
        for (const ChatClient client : peers::kChatClients) {
            if (chats_[indexOf(client)] != nullptr) {
                if (::testing::AssertionResult result = sentWithin(client, count); !result) {
                    return result;
                }
            }
        }
        return ::testing::AssertionSuccess();
    }

    void closeChats() {
        closeTrees();
        chats_ = {};
    }

    // Which client each text arrived at, in arrival order across the clients hosted.
    Lines textArrivals() const {
        std::vector<std::pair<std::uint64_t, std::string>> arrivals;
        for (const ChatClient client : peers::kChatClients) {
            if (const peers::PeerTree* tree = chats_[indexOf(client)]) {
                for (const peers::RecordedLine& entry : tree->recorder().entries()) {
                    if (entry.line.rfind("input text ", 0) == 0) {
                        arrivals.emplace_back(entry.order, peers::chatClientName(client));
                    }
                }
            }
        }
        std::sort(arrivals.begin(), arrivals.end());
        Lines names;
        for (const auto& arrival : arrivals) {
            names.push_back(arrival.second);
        }
        return names;
    }

private:
    std::array<const peers::PeerTree*, 4> chats_{};
};

// The whole road of an announcement: each client its own template, filled with the title, the track data the
// previous tick left in the holders (none yet for the first title), the time and the date, line breaks, IRC bytes
// and 0xC2 0xAB intact, delivered in the order AIM, AOL, Yahoo, mIRC. Holders read after the tick wrote them,
// templates mixed up between clients or text re-encoded on the way show here.
TEST_F(AnnouncementTest, EachClientReceivesItsTemplateFilledFromThePreviousTick) {
    hostChats({ChatClient::AIM, ChatClient::AOL, ChatClient::Yahoo, ChatClient::Mirc});
    hostPlayer(kFirstSong.title, kFirstSong.replies);
    start();
    const SYSTEMTIME firstFrom = localNow();
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    ASSERT_TRUE(allSentWithin(1));
    const SYSTEMTIME firstTo = localNow();
    ASSERT_TRUE(showsWithin(ui::kLblTotalTracks, "9"));

    const SYSTEMTIME secondFrom = localNow();
    player->queueSong(kSecondSong.title, kSecondSong.replies);
    ASSERT_TRUE(allSentWithin(2));
    const SYSTEMTIME secondTo = localNow();
    // The holders take the new song's data only after it has been announced.
    EXPECT_TRUE(showsWithin(ui::kLbltTime, "3:20 / 4:00"));
    EXPECT_TRUE(showsWithin(ui::kLblTrackNumber, "12"));
    EXPECT_TRUE(showsWithin(ui::kLblTrackPer, "83"));
    EXPECT_TRUE(showsWithin(ui::kLblTotalTracks, "12"));

    const std::pair<Holders, ClockTexts> announcements[] = {
        {{"Band - Tune", "", "", "", ""}, clockTextsBetween(firstFrom, firstTo)},
        {{"Other - Song", "1:05 / 3:05", "3", "35", "9"}, clockTextsBetween(secondFrom, secondTo)},
    };
    for (const ChatClient client : peers::kChatClients) {
        const Lines messages = sent(client);
        ASSERT_EQ(messages.size(), 2u) << peers::chatClientName(client);
        for (std::size_t i = 0; i < messages.size(); ++i) {
            EXPECT_TRUE(composedAs(messages[i], client, announcements[i].first, announcements[i].second))
                << peers::chatClientName(client) << ", announcement " << i + 1;
        }
    }
    EXPECT_EQ(textArrivals(), (Lines{"AIM", "AOL", "Yahoo", "mIRC", "AIM", "AOL", "Yahoo", "mIRC"}));
}

// The title box's change alone decides: a title polled again must not be announced again, a title that comes back
// after another one, after switching off or after the player was away must be, a title of blanks is a title, and
// an emptied title box (switching off, the player closed) announces nothing.
TEST_F(AnnouncementTest, ATitleIsAnnouncedOncePerChange) {
    enum class Action { ClickEnable, ShowTitle, ClosePlayer, OpenPlayer, Wait };
    struct Step {
        Action action;
        const char* title;  // for ShowTitle and OpenPlayer
        Lines sent;         // by mIRC, everything so far
    };
    const std::string band = "[Band - Tune]";
    const std::string other = "[Other - Song]";
    const std::string blanks = "[   ]";
    const Step steps[] = {
        {Action::ClickEnable, nullptr, {band}},
        {Action::Wait, nullptr, {band}},
        {Action::ShowTitle, "4. Other - Song - Winamp", {band, other}},
        {Action::ShowTitle, "3. Band - Tune - Winamp", {band, other, band}},
        {Action::ClickEnable, nullptr, {band, other, band}},
        {Action::Wait, nullptr, {band, other, band}},
        {Action::ClickEnable, nullptr, {band, other, band, band}},
        {Action::Wait, nullptr, {band, other, band, band}},
        {Action::ShowTitle, "   - Winamp", {band, other, band, band, blanks}},
        {Action::ClosePlayer, nullptr, {band, other, band, band, blanks}},
        {Action::Wait, nullptr, {band, other, band, band, blanks}},
        {Action::OpenPlayer, "3. Band - Tune - Winamp", {band, other, band, band, blanks, band}},
    };
    hostChats({ChatClient::Mirc});
    hostPlayer(kFirstSong.title, kFirstSong.replies);
    start();
    ASSERT_TRUE(peers::setControlText(control(ui::txtData(3)), "[%s]"));
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const Step& step = steps[i];
        switch (step.action) {
            case Action::ClickEnable:
                ASSERT_TRUE(peers::click(control(ui::kChkEnable))) << "step " << i;
                break;
            case Action::ShowTitle:
                player->setTitle(step.title);
                break;
            case Action::ClosePlayer:
                closePlayer();
                ASSERT_TRUE(showsWithin(ui::kTxtTitle, "")) << "step " << i;
                break;
            case Action::OpenPlayer:
                hostPlayer(step.title, kFirstSong.replies);
                break;
            case Action::Wait:
                Sleep(300);  // thirty ticks at the timer floor of 10 ms
                break;
        }
        ASSERT_TRUE(sentWithin(ChatClient::Mirc, step.sent.size())) << "step " << i;
        EXPECT_EQ(sent(ChatClient::Mirc), step.sent) << "step " << i;
    }
}

// A song's tags are anyone's: whatever the title holds must reach each client as text on the line its template
// gave it. A line break in it would send a second line, a "/" at the start of a line a command to mIRC (so mIRC
// gets Ctrl+O before it), and a look-alike of "/" mapped to "/" the same; what the user wrote, "/me" included, is
// sent as written, and the caption is read up to 1,023 characters.
TEST_F(AnnouncementTest, HostileTitlesArriveAsTextOnTheirOwnLine) {
    struct Title {
        std::wstring caption;
        std::string value;  // what "%s" becomes, as the ANSI bytes the clients receive
    };
    struct Template {
        const char* text;
        const char* before;  // the text before "%s"
        bool lineStart;      // "%s" begins a line
    };
    const auto cycled = [](const char* first, const char* cycle, std::size_t length) {
        std::string text = first;
        for (std::size_t i = 0; text.size() < length; ++i) {
            text += cycle[i % std::strlen(cycle)];
        }
        return text;
    };
    const auto wide = [](const std::string& ansi) {
        std::wstring text(ansi.size(), L'\0');
        text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                                                 &text[0], static_cast<int>(text.size()))));
        return text;
    };
    std::string everyByte;
    std::string everyByteSent;
    for (int byte = 1; byte <= 255; ++byte) {
        everyByte += static_cast<char>(byte);
        if (byte != '\b') {
            everyByteSent += byte == '\r' || byte == '\n' ? ' ' : static_cast<char>(byte);
        }
    }
    const std::string long1023 = cycled("/", "abcdefghij", 1023);
    const std::string long5000 = cycled("/", "0123456789", 5000);
    // clang-format off
    const Title titles[] = {
        {L"1. /quit bye - Winamp", "/quit bye"},
        {L"1. \xFF0Fquit bye - Winamp", "?quit bye"},
        {L"1. //echo $me - Winamp", "//echo $me"},
        {L"1. x\r\n/quit - Winamp", "x /quit"},
        {L"1. /quit", "/quit"},
        {wide(long1023), long1023},
        {wide(long5000), long5000.substr(0, 1023)},
        {wide("1. " + everyByte + " - Winamp"), everyByteSent},
    };
    // clang-format on
    const Template templates[] = {
        {"%s", "", true},
        {"np: %s", "np: ", false},
        {"/me is listening to %s", "/me is listening to ", false},
        {"np:\r\n%s", "np:\r\n", true},
    };
    hostChats({ChatClient::AIM, ChatClient::AOL, ChatClient::Yahoo, ChatClient::Mirc});
    hostPlayer("1. Warm Up - Winamp", kFirstSong.replies);
    start();
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    ASSERT_TRUE(allSentWithin(1));
    std::size_t count = 1;
    for (const Template& t : templates) {
        setTemplates(t.text);
        for (std::size_t i = 0; i < std::size(titles); ++i) {
            player->setTitle(titles[i].caption);
            ++count;
            for (const ChatClient client : peers::kChatClients) {
                ASSERT_TRUE(sentWithin(client, count)) << t.text << ", title " << i;
                const bool guarded = client == ChatClient::Mirc && t.lineStart && titles[i].value[0] == '/';
                EXPECT_EQ(peers::printable(sent(client).back()),
                          peers::printable(t.before + std::string(guarded ? "\x0F" : "") + titles[i].value))
                    << peers::chatClientName(client) << ", template " << peers::printable(t.text) << ", title " << i;
            }
        }
    }
}

// A title in any script must reach a Unicode chat window whole, and an ANSI one with "?" for each character its
// code page lacks, never a look-alike; text the code page holds must reach an ANSI window byte for byte. Each
// client is checked both ways.
TEST_F(AnnouncementTest, TitlesInAnyScriptArriveWholeInUnicodeWindows) {
    struct Title {
        const char* caption;  // UTF-8
        const char* unicode;  // what a Unicode window receives, UTF-8
        const char* ansi;     // what an ANSI window receives
    };
    const Title titles[] = {
        {"1. 夜に駆ける - Winamp", "np: 夜に駆ける", "np: ?????"},
        {"2. Кино - Группа крови - Winamp", "np: Кино - Группа крови", "np: ???? - ?????? ?????"},
        {"3. Rock 🎸 On - Winamp", "np: Rock 🎸 On", "np: Rock ? On"},
        {"4. \uFF0Fquit \u221E \u0101 - Winamp", "np: \uFF0Fquit \u221E \u0101", "np: ?quit ? ?"},
        {"5. Caf\u00E9 \u00AB\u00DC\u00BB \u2013 ok - Winamp", "np: Caf\u00E9 \u00AB\u00DC\u00BB \u2013 ok",
         "np: Caf\xE9 \xAB\xDC\xBB \x96 ok"},
    };
    const std::vector<ChatClient> halves[] = {{ChatClient::AIM, ChatClient::Mirc},
                                              {ChatClient::AOL, ChatClient::Yahoo}};
    for (int unicodeHalf = 0; unicodeHalf < 2; ++unicodeHalf) {
        peers::PeerWindowOptions unicode;
        unicode.unicode = true;
        hostChats(halves[unicodeHalf], unicode);
        hostChats(halves[1 - unicodeHalf]);
        hostPlayer("0. Warm Up - Winamp", kFirstSong.replies);
        start();
        setTemplates("np: %s");
        ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
        ASSERT_TRUE(allSentWithin(1));
        for (std::size_t i = 0; i < std::size(titles); ++i) {
            player->setTitle(peers::wideFromUtf8(titles[i].caption));
            for (const ChatClient client : peers::kChatClients) {
                const bool inUnicode = std::count(halves[unicodeHalf].begin(), halves[unicodeHalf].end(), client) > 0;
                ASSERT_TRUE(sentWithin(client, i + 2)) << titles[i].caption;
                EXPECT_EQ(peers::printable(sent(client).back()),
                          peers::printable(inUnicode ? titles[i].unicode : titles[i].ansi))
                    << peers::chatClientName(client) << (inUnicode ? " (Unicode)" : " (ANSI)");
            }
        }
        discardProgram();
        closeChats();
        closePlayer();
    }
}

// A chat client may call the program back while it delivers: a title change raised inside an announcement (here
// the client switches announcing off, or off and on again, from its WM_SETTEXT handler) must wait until the
// running announcement has ended and then count once, and must not change what the announcement's other clients
// receive. Handled at once, it would start a second announcement inside the first and send the emptied title on.
TEST_F(AnnouncementTest, AChangeDuringAnAnnouncementWaitsForItsEnd) {
    struct Case {
        int clicks;
        Lines sent;  // by each client
        const char* titleAfter;
    };
    const Case cases[] = {
        {1, {"[Band - Tune]", "[Other - Song]"}, ""},
        {2, {"[Band - Tune]", "[Other - Song]", "[Other - Song]"}, "Other - Song"},
    };
    for (const Case& c : cases) {
        std::atomic<int> clicksDue{0};
        HWND enable = nullptr;
        peers::PeerWindowOptions clicking;
        clicking.onText = [&](const std::string& label) {
            const int clicks = label == "input" ? clicksDue.exchange(0) : 0;
            for (int i = 0; i < clicks; ++i) {
                peers::click(enable);
            }
        };
        hostChats({ChatClient::AIM}, clicking);
        hostChats({ChatClient::AOL, ChatClient::Yahoo, ChatClient::Mirc});
        hostPlayer(kFirstSong.title, kFirstSong.replies);
        start();
        enable = FindWindowExA(mainWindow(), nullptr, "Button", "Enable Marquill Amp");
        ASSERT_NE(enable, nullptr);
        setTemplates("[%s]");
        ASSERT_TRUE(peers::click(enable));
        ASSERT_TRUE(allSentWithin(1)) << c.clicks << " clicks";
        clicksDue = c.clicks;
        player->setTitle(kSecondSong.title);
        ASSERT_TRUE(allSentWithin(c.sent.size())) << c.clicks << " clicks";
        EXPECT_TRUE(showsWithin(ui::kTxtTitle, c.titleAfter)) << c.clicks << " clicks";
        Sleep(300);  // thirty ticks at the timer floor of 10 ms
        for (const ChatClient client : peers::kChatClients) {
            EXPECT_EQ(sent(client), c.sent) << peers::chatClientName(client) << ", " << c.clicks << " clicks";
        }
        EXPECT_EQ(clicksDue, 0);
        discardProgram();
        closeChats();
        closePlayer();
    }
}

// A client without a chat window or with an emptied template must be passed over without costing the others
// their message; only an empty template counts as empty.
TEST_F(AnnouncementTest, OnlyClientsWithAChatWindowAndATemplateAreServed) {
    enum class Setup { NoChatWindow, Template };
    struct Case {
        ChatClient client;
        Setup setup;
        const char* templateText;  // for Template
        Lines sent;                // by that client
    };
    const Case cases[] = {
        {ChatClient::AIM, Setup::NoChatWindow, nullptr, {}},
        {ChatClient::AOL, Setup::NoChatWindow, nullptr, {}},
        {ChatClient::Yahoo, Setup::NoChatWindow, nullptr, {}},
        {ChatClient::Mirc, Setup::NoChatWindow, nullptr, {}},
        {ChatClient::AIM, Setup::Template, "", {}},
        {ChatClient::AOL, Setup::Template, "", {}},
        {ChatClient::Yahoo, Setup::Template, "", {}},
        {ChatClient::Mirc, Setup::Template, "", {}},
        {ChatClient::AOL, Setup::Template, " ", {" "}},
        {ChatClient::Yahoo, Setup::Template, "\r\n", {"\r\n"}},
    };
    for (const Case& c : cases) {
        const std::string name =
            std::string(peers::chatClientName(c.client)) +
            (c.setup == Setup::NoChatWindow ? " without a chat window"
                                            : " with template \"" + std::string(c.templateText) + "\"");
        std::vector<ChatClient> hosted;
        for (const ChatClient client : peers::kChatClients) {
            if (client != c.client || c.setup != Setup::NoChatWindow) {
                hosted.push_back(client);
            }
        }
        hostChats(hosted);
        hostPlayer(kFirstSong.title, kFirstSong.replies);
        start();
        if (c.setup == Setup::Template) {
            ASSERT_TRUE(
                peers::setControlText(control(ui::txtData(static_cast<int>(indexOf(c.client)))), c.templateText))
                << name;
        }
        ASSERT_TRUE(peers::click(control(ui::kChkEnable))) << name;
        for (const ChatClient client : hosted) {
            if (client != c.client) {
                ASSERT_TRUE(sentWithin(client, 1)) << name;
                const Lines messages = sent(client);
                ASSERT_EQ(messages.size(), 1u) << name;
                EXPECT_NE(messages[0].find("playing Band - Tune - "), std::string::npos)
                    << name << ": " << peers::chatClientName(client) << " sent " << peers::printable(messages[0]);
            }
        }
        if (c.setup == Setup::Template) {
            ASSERT_TRUE(sentWithin(c.client, c.sent.size())) << name;
            Sleep(100);  // the announcement's last steps, had the client been served
            EXPECT_EQ(sent(c.client), c.sent) << name;
        }
        discardProgram();
        closeChats();
        closePlayer();
    }
}

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
