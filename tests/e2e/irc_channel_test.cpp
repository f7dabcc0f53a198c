#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "peers/irc/fake_mirc.h"
#include "peers/irc/irc_connection.h"
#include "peers/remote_control.h"
#include "tests/e2e/support/announcement_fixture.h"
#include "tests/e2e/support/chat_messages.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using Lines = std::vector<std::string>;
using peers::ChatClient;

// The server paces a client's lines (its penalty for flooding), so a burst takes seconds to reach the channel.
constexpr DWORD kChannelWaitMs = 15000;

// The program announcing into a fake mIRC that is a real client of the IRC server the run started
// (MARQUILL_IRC_PORT), in a channel of its own, which a second connection logs.
class IrcChannelTest : public AnnouncementTest {
protected:
    void SetUp() override {
        const char* port = std::getenv("MARQUILL_IRC_PORT");
        if (port == nullptr) {
            GTEST_SKIP() << "no IRC server: run the tests under peers/irc/irc_server.py";
        }
        static int run = 0;
        const std::string id = std::to_string(++run);
        const std::string channel = "#marquill-" + std::to_string(GetCurrentProcessId()) + "-" + id;
        const auto serverPort = static_cast<std::uint16_t>(std::atoi(port));
        logger_ = std::make_unique<peers::IrcConnection>(serverPort, "log" + id);
        ASSERT_TRUE(logger_->registered(kWaitMs) && logger_->join(channel, kWaitMs)) << "the logger did not join";
        peers.run([&] { mirc_ = std::make_unique<peers::FakeMirc>(serverPort, "mirc" + id, channel); });
        ASSERT_TRUE(mirc_->joined(kWaitMs)) << "the fake mIRC did not join";
        hostChat(ChatClient::Mirc, mirc_->tree());
        ASSERT_TRUE(logger_->waitForLine([&](const peers::IrcMessage& m) { return isMirc(m) && m.command == "JOIN"; },
                                         kWaitMs));
    }

    void TearDown() override {
        closeChats();
        peers.run([this] { mirc_.reset(); });
    }

    bool isMirc(const peers::IrcMessage& message) const { return message.prefix == mirc_->connection().mask(); }

    // What the channel got from the fake mIRC after its JOIN: each PRIVMSG's text, and any other line whole.
    Lines channelGot() const {
        Lines got;
        bool joined = false;
        for (const peers::IrcLine& line : logger_->lines()) {
            const peers::IrcMessage message = peers::parseIrcLine(line.text);
            if (!isMirc(message)) {
                continue;
            }
            if (joined && message.command == "PRIVMSG" && message.params.size() == 2 &&
                message.params[0] == mirc_->channel()) {
                got.push_back(message.params[1]);
            } else if (joined || message.command != "JOIN") {
                got.push_back("not a message to the channel: " + line.text);
            }
            joined = true;
        }
        return got;
    }

    ::testing::AssertionResult channelGotWithin(std::size_t count) const {
        Lines got;
        if (peers::waitUntil([&] { return (got = channelGot()).size() >= count; }, kChannelWaitMs)) {
            return ::testing::AssertionSuccess();
        }
        auto failure = ::testing::AssertionFailure() << "the channel got " << got.size() << " lines, not " << count;
        for (const std::string& line : got) {
            failure << "\n  " << peers::printable(line);
        }
        return failure;
    }

    std::unique_ptr<peers::IrcConnection> logger_;
    std::unique_ptr<peers::FakeMirc> mirc_;
};

// The built-in mIRC template as mIRC users know it reaches the channel as one message per song: its colour
// (0x03 "0,1", 0x03 "14") and bold (0x02) codes and the UTF-8 « (0xC2 0xAB) as the template means them, which a
// Unicode mIRC only sends when it received U+00AB ("Â«" would arrive as 0xC3 0x82 0xC2 0xAB). What the user is
// typing in mIRC's editbox meanwhile stays there, untouched.
TEST_F(IrcChannelTest, TheBuiltInTemplateReachesTheChannelAsOneLineWithItsCodes) {
    const HWND editbox = mirc_->tree().window("input");
    const std::wstring draft = L"half a sentence";
    DWORD_PTR typed = 0;  // as the keys put it there: a WM_SETTEXT would be recorded as the program's
    ASSERT_TRUE(SendMessageTimeoutW(editbox, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(draft.c_str()),
                                    SMTO_ABORTIFHUNG, kWaitMs, &typed));
    hostPlayer(kFirstSong.title, kFirstSong.replies);
    start();
    const SYSTEMTIME from = localNow();
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    ASSERT_TRUE(sentWithin(ChatClient::Mirc, 1));
    const ClockTexts clock = clockTextsBetween(from, localNow());
    ASSERT_TRUE(channelGotWithin(1));
    Sleep(500);  // any further line of the same announcement
    const std::string head =
        "\x03"
        "0,1 \x02\xC2\xAB\x02 \x03"
        "14[Marquill AMP (Mirc) Now playing Band - Tune - "
        "Track Time: [1:05 / 3:05] - Track Number: [12] - [35] Played - Total Tracks: 12 - My local Time: ";
    Lines expected;
    for (const std::string& time : clock.times) {
        for (const std::string& date : clock.dates) {
            expected.push_back(head + time + " - Date: " + date);
        }
    }
    const Lines commands = sent(ChatClient::Mirc);
    const Lines got = channelGot();
    ASSERT_EQ(commands.size(), 1u);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_NE(std::find(expected.begin(), expected.end(), commands[0]), expected.end())
        << "mIRC was given " << peers::printable(commands[0]) << "\nnot " << peers::printable(expected[0]);
    EXPECT_EQ(peers::printable(got[0]), peers::printable(commands[0]));
    EXPECT_EQ(peers::controlTextUtf8(editbox), peers::utf8FromWide(draft));
}

// A title is only ever text at the server: in any script it arrives as UTF-8; a line break, a NUL or a "/" command
// in it ("/quit", "/raw") never becomes a command of its own (mIRC runs a line that starts with "/" unless it is
// given as plain text); and the fake mIRC stays connected throughout.
TEST_F(IrcChannelTest, TitlesArriveAsTextWhateverTheyHold) {
    struct Title {
        std::wstring caption;
        const char* templateText;
        Lines expected;  // the channel's messages, UTF-8
    };
    const Title titles[] = {
        {peers::wideFromUtf8("1. 夜に駆ける - Winamp"), "np: %s", {"np: 夜に駆ける"}},
        {peers::wideFromUtf8("2. Кино - Группа крови - Winamp"), "np: %s", {"np: Кино - Группа крови"}},
        {peers::wideFromUtf8("3. Rock 🎸 On - Winamp"), "np: %s", {"np: Rock 🎸 On"}},
        {L"1. /quit bye - Winamp", "%s", {"\x0F/quit bye"}},
        {L"1. /raw QUIT :bye - Winamp", "%s", {"\x0F/raw QUIT :bye"}},
        {L"1. //quit $me - Winamp", "%s", {"\x0F//quit $me"}},
        {L"1. x\r\n/quit - Winamp", "%s", {"x /quit"}},
        {L"1. x\r\n/raw QUIT - Winamp", "np:\r\n%s", {"np:", "x /raw QUIT"}},
        {std::wstring(L"1. /quit\0/raw QUIT - Winamp", 27), "%s", {"\x0F/quit"}},
        {L"4. Still - Here - Winamp", "np: %s", {"np: Still - Here"}},
    };
    hostPlayer("0. Warm Up - Winamp", kFirstSong.replies);
    start();
    ASSERT_TRUE(peers::setControlText(control(ui::txtData(3)), "np: %s"));
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    ASSERT_TRUE(channelGotWithin(1));
    for (const Title& title : titles) {
        const std::string name = peers::printable(peers::utf8FromWide(title.caption));
        ASSERT_TRUE(peers::setControlText(control(ui::txtData(3)), title.templateText)) << name;
        const std::size_t before = channelGot().size();
        player->setTitle(title.caption);
        ASSERT_TRUE(channelGotWithin(before + title.expected.size())) << name;
        const Lines got = channelGot();
        EXPECT_EQ(Lines(got.begin() + static_cast<std::ptrdiff_t>(before), got.end()), title.expected) << name;
    }
    EXPECT_TRUE(mirc_->connection().open()) << "the server closed the fake mIRC's connection";
}

}  // namespace
}  // namespace marquill::test
