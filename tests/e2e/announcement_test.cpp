#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window_description.h"
#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "support/chat_messages.h"
#include "support/default_templates.h"
#include "support/e2e_fixture.h"
#include "support/hanging_chat.h"

namespace marquill::test {
namespace {

namespace id = mainwindow::id;

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
        return filled(defaultTemplateBytes(static_cast<int>(indexOf(client))), {{"%s", holders.title},
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
    void hostChats(const std::vector<ChatClient>& clients) {
        for (const ChatClient client : clients) {
            chats_[indexOf(client)] = &hostTree(peers::chatWindowTree(client));
        }
    }

    const peers::PeerTree& chat(ChatClient client) const { return *chats_[indexOf(client)]; }

    ::testing::AssertionResult sentWithin(ChatClient client, std::size_t count, DWORD timeoutMs = kWaitMs) const {
        return test::sentWithin(chat(client), client, count, timeoutMs);
    }

    Lines sent(ChatClient client) const { return sentMessages(chat(client), client); }

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
    ASSERT_TRUE(peers::click(control(id::kChkEnable)));
    for (const ChatClient client : peers::kChatClients) {
        ASSERT_TRUE(sentWithin(client, 1));
    }
    const SYSTEMTIME firstTo = localNow();
    ASSERT_TRUE(showsWithin(id::kLblTotalTracks, "9"));

    const SYSTEMTIME secondFrom = localNow();
    player->queueSong(kSecondSong.title, kSecondSong.replies);
    for (const ChatClient client : peers::kChatClients) {
        ASSERT_TRUE(sentWithin(client, 2));
    }
    const SYSTEMTIME secondTo = localNow();
    // The holders take the new song's data only after it has been announced.
    EXPECT_TRUE(showsWithin(id::kLbltTime, "3:20 / 4:00"));
    EXPECT_TRUE(showsWithin(id::kLblTrackNumber, "12"));
    EXPECT_TRUE(showsWithin(id::kLblTrackPer, "83"));
    EXPECT_TRUE(showsWithin(id::kLblTotalTracks, "12"));

    const std::pair<Holders, ClockTexts> announcements[] = {
        {{"Band - Tune", "", "", "", ""}, clockTextsBetween(firstFrom, firstTo)},
        {{"Other - Song", "1:05 / 3:05", "3", "35", "9"}, clockTextsBetween(secondFrom, secondTo)},
    };
    for (const ChatClient client : peers::kChatClients) {
        const Lines messages = sent(client);
        ASSERT_EQ(messages.size(), 2u) << peers::chatClientName(client);
        for (std::size_t i = 0; i < messages.size(); ++i) {
            EXPECT_TRUE(composedAs(messages[i], client, announcements[i].first,
                                   announcements[i].second))
                << peers::chatClientName(client) << ", announcement " << i + 1;
        }
    }
    EXPECT_EQ(textArrivals(), (Lines{"AIM", "AOL", "Yahoo", "mIRC", "AIM", "AOL", "Yahoo", "mIRC"}));
}

// The title box's change alone decides: a title polled again must not be announced again, a title that comes back
// after another one or after switching off must be, and switching off announces once with an empty title.
TEST_F(AnnouncementTest, ATitleIsAnnouncedOncePerChange) {
    enum class Action { ClickEnable, ShowTitle, Wait };
    struct Step {
        Action action;
        const char* title;  // for ShowTitle
        Lines sent;         // by mIRC, everything so far
    };
    const Step steps[] = {
        {Action::ClickEnable, nullptr, {"[Band - Tune]"}},
        {Action::Wait, nullptr, {"[Band - Tune]"}},
        {Action::ShowTitle, "4. Other - Song - Winamp", {"[Band - Tune]", "[Other - Song]"}},
        {Action::ShowTitle, "3. Band - Tune - Winamp", {"[Band - Tune]", "[Other - Song]", "[Band - Tune]"}},
        {Action::ClickEnable, nullptr, {"[Band - Tune]", "[Other - Song]", "[Band - Tune]", "[]"}},
        {Action::Wait, nullptr, {"[Band - Tune]", "[Other - Song]", "[Band - Tune]", "[]"}},
        {Action::ClickEnable, nullptr, {"[Band - Tune]", "[Other - Song]", "[Band - Tune]", "[]", "[Band - Tune]"}},
        {Action::Wait, nullptr, {"[Band - Tune]", "[Other - Song]", "[Band - Tune]", "[]", "[Band - Tune]"}},
    };
    hostChats({ChatClient::Mirc});
    hostPlayer(kFirstSong.title, kFirstSong.replies);
    start();
    ASSERT_TRUE(peers::setControlText(control(id::txtData(3)), "[%s]"));
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const Step& step = steps[i];
        switch (step.action) {
            case Action::ClickEnable:
                ASSERT_TRUE(peers::click(control(id::kChkEnable))) << "step " << i;
                break;
            case Action::ShowTitle:
                player->setTitle(step.title);
                break;
            case Action::Wait:
                Sleep(300);  // thirty ticks at the timer floor of 10 ms
                break;
        }
        ASSERT_TRUE(sentWithin(ChatClient::Mirc, step.sent.size())) << "step " << i;
        EXPECT_EQ(sent(ChatClient::Mirc), step.sent) << "step " << i;
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
                peers::setControlText(control(id::txtData(static_cast<int>(indexOf(c.client)))), c.templateText))
                << name;
        }
        ASSERT_TRUE(peers::click(control(id::kChkEnable))) << name;
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
    ASSERT_TRUE(peers::click(control(id::kChkEnable)));
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
    EXPECT_TRUE(showsWithin(id::kTxtTitle, "Third - Song"));
}

}  // namespace
}  // namespace marquill::test
