#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "peers/peer_tree.h"
#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "tests/e2e/support/announcement_fixture.h"
#include "tests/e2e/support/chat_messages.h"
#include "tests/support/expected_defaults.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using Lines = std::vector<std::string>;
using peers::ChatClient;

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

// The client's default template filled with the holders and a time and date of `clock`, as mIRC's command message
// (UTF-8 here) or an ANSI window receives it.
::testing::AssertionResult composedAs(const std::string& received,
                                      ChatClient client,
                                      const Holders& holders,
                                      const ClockTexts& clock) {
    const std::wstring defaultTemplate = expectedDefaultTemplate(static_cast<int>(indexOf(client)));
    const std::string templateBytes =
        client == ChatClient::Mirc ? peers::utf8FromWide(defaultTemplate) : peers::ansiFromWide(defaultTemplate);
    const auto expected = [&](const std::string& time, const std::string& date) {
        // "%t" last but one: it begins "%tt", "%tn", "%tp" and "%tl".
        return filled(templateBytes, {{"%s", holders.title},
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

// The whole road of an announcement: each client its own template, filled with the title and the track data of
// the same reading (the first announcement after switching on too), the time and the date, IRC bytes and « intact,
// delivered in the order AIM, AOL, Yahoo, mIRC. Holders read before the tick wrote them,
// templates mixed up between clients or text re-encoded on the way show here.
TEST_F(AnnouncementTest, EachClientReceivesItsTemplateFilledWithTheSongsOwnValues) {
    hostChats({ChatClient::AIM, ChatClient::AOL, ChatClient::Yahoo, ChatClient::Mirc});
    hostPlayer(kFirstSong.title, kFirstSong.replies);
    start();
    const SYSTEMTIME firstFrom = localNow();
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    ASSERT_TRUE(allSentWithin(1));
    const SYSTEMTIME firstTo = localNow();
    ASSERT_TRUE(showsWithin(ui::kLblTotalTracks, "12"));

    const SYSTEMTIME secondFrom = localNow();
    player->queueSong(kSecondSong.title, kSecondSong.replies);
    ASSERT_TRUE(allSentWithin(2));
    const SYSTEMTIME secondTo = localNow();

    const std::pair<Holders, ClockTexts> announcements[] = {
        {{"Band - Tune", "1:05 / 3:05", "12", "35", "12"}, clockTextsBetween(firstFrom, firstTo)},
        {{"Other - Song", "3:20 / 4:00", "3", "83", "9"}, clockTextsBetween(secondFrom, secondTo)},
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
// an emptied title box (switching off, the player closed) announces nothing. Pausing, resuming, stopping and playing
// the same song again are one song; a caption that names only the player (idle, or an emulating player before its
// first track) is no song, even when announcing is switched on to it.
TEST_F(AnnouncementTest, ATitleIsAnnouncedOncePerChange) {
    enum class Action { ClickEnable, ShowTitle, ClosePlayer, OpenPlayer, Wait, Pause, Stop, Play };
    struct Step {
        Action action;
        const char* title;  // for ShowTitle and OpenPlayer
        Lines sent;         // by mIRC, everything so far
    };
    using peers::PlayState;
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
        {Action::Pause, nullptr, {band, other, band, band, blanks, band}},
        {Action::Play, nullptr, {band, other, band, band, blanks, band}},
        {Action::Stop, nullptr, {band, other, band, band, blanks, band}},
        {Action::Play, nullptr, {band, other, band, band, blanks, band}},
        {Action::ShowTitle, "4. Other - Song - Winamp", {band, other, band, band, blanks, band, other}},
        {Action::ShowTitle, peers::kIdleCaption, {band, other, band, band, blanks, band, other}},
        {Action::ShowTitle, peers::kEmulatorStartCaption, {band, other, band, band, blanks, band, other}},
        {Action::ClickEnable, nullptr, {band, other, band, band, blanks, band, other}},
        {Action::ClickEnable, nullptr, {band, other, band, band, blanks, band, other}},
        {Action::ShowTitle, "3. Band - Tune - Winamp", {band, other, band, band, blanks, band, other, band}},
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
                break;
            case Action::Pause:
                player->setPlayState(PlayState::Paused);
                break;
            case Action::Stop:
                player->setPlayState(PlayState::Stopped);
                break;
            case Action::Play:
                player->setPlayState(PlayState::Playing);
                break;
        }
        if (i > 0 && step.sent.size() == steps[i - 1].sent.size()) {
            Sleep(300);  // thirty ticks at the timer floor of 10 ms for what must not be sent
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

}  // namespace
}  // namespace marquill::test
