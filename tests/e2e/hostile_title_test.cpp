#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "tests/e2e/support/announcement_fixture.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using peers::ChatClient;

struct Title {
    std::wstring caption;
    std::string value;  // what "%s" becomes, as the ANSI bytes the clients receive
};

struct Template {
    const char* text;
    const char* before;  // the text before "%s"
    bool lineStart;      // "%s" begins a line
};

// `first`, then `cycle` over and over up to `length` characters.
std::string cycled(const char* first, const char* cycle, std::size_t length) {
    std::string text = first;
    for (std::size_t i = 0; text.size() < length; ++i) {
        text += cycle[i % std::strlen(cycle)];
    }
    return text;
}

// What an HTML client must receive of a value: "&", "<" and ">" as entities, so that it shows them as text.
std::string htmlEscaped(const std::string& value) {
    std::string escaped;
    for (const char c : value) {
        escaped += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    }
    return escaped;
}

std::wstring wide(const std::string& ansi) {
    std::wstring text(ansi.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                                             &text[0], static_cast<int>(text.size()))));
    return text;
}

// Commands, a look-alike of "/", a line break, a caption without the player's suffix, captions longer than the
// program reads, and every byte but NUL (a backspace vanishes, a line break becomes a blank).
std::vector<Title> hostileTitles() {
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
    return {
        {L"1. /quit bye - Winamp", "/quit bye"},
        {L"1. \xFF0Fquit bye - Winamp", "?quit bye"},
        {L"1. //echo $me - Winamp", "//echo $me"},
        {L"1. x\r\n/quit - Winamp", "x /quit"},
        {L"1. /quit", "/quit"},
        {L"1. Tom & Jerry <Live> - Winamp", "Tom & Jerry <Live>"},
        {wide(long1023), long1023},
        {wide(long5000), long5000.substr(0, 1023)},
        {wide("1. " + everyByte + " - Winamp"), everyByteSent},
    };
}

// A song's tags are anyone's: whatever the title holds must reach each client as text on the line its template
// gave it. A line break in it would send a second line, a "/" at the start of a line a command to mIRC (so mIRC
// gets Ctrl+O before it), and a look-alike of "/" mapped to "/" the same; in the HTML clients its "&", "<" and ">"
// would be markup, so they arrive as entities there; what the user wrote, "/me" included, is sent as written, and
// the caption is read up to 1,023 characters.
TEST_F(AnnouncementTest, HostileTitlesArriveAsTextOnTheirOwnLine) {
    const std::vector<Title> titles = hostileTitles();
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
        for (std::size_t i = 0; i < titles.size(); ++i) {
            player->setTitle(titles[i].caption);
            ++count;
            for (const ChatClient client : peers::kChatClients) {
                ASSERT_TRUE(sentWithin(client, count)) << t.text << ", title " << i;
                const bool mirc = client == ChatClient::Mirc;
                const bool guarded = mirc && t.lineStart && titles[i].value[0] == '/';
                EXPECT_EQ(peers::printable(sent(client).back()),
                          peers::printable(t.before + std::string(guarded ? "\x0F" : "") +
                                           (mirc ? titles[i].value : htmlEscaped(titles[i].value))))
                    << peers::chatClientName(client) << ", template " << peers::printable(t.text) << ", title " << i;
            }
        }
    }
}

}  // namespace
}  // namespace marquill::test
