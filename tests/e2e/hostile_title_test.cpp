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

using Lines = std::vector<std::string>;
using peers::ChatClient;

struct Title {
    std::wstring caption;
    std::wstring value;  // what "%s" becomes
};

struct Template {
    const char* text;
    const char* before;        // the text before "%s"
    bool lineStart;            // "%s" begins a line
    const char* lineOfItsOwn;  // the template's line before that of "%s", which mIRC takes as a line of its own
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
        {L"1. /quit bye - Winamp", L"/quit bye"},
        {L"1. \xFF0Fquit bye - Winamp", L"\xFF0Fquit bye"},
        {L"1. //echo $me - Winamp", L"//echo $me"},
        {L"1. x\r\n/quit - Winamp", L"x /quit"},
        {L"1. /quit", L"/quit"},
        {L"1. Tom & Jerry <Live> - Winamp", L"Tom & Jerry <Live>"},
        {wide(long1023), wide(long1023)},
        {wide(long5000), wide(long5000.substr(0, 1023))},
        {wide("1. " + everyByte + " - Winamp"), wide(everyByteSent)},
    };
}

// A song's tags are anyone's: whatever the title holds must reach each client as text on the line its template
// gave it. A line break in it would send a second line, a "/" at the start of a line a command to mIRC (so mIRC
// gets Ctrl+O before it), and a look-alike of "/" mapped to "/" the same; in the HTML clients (AIM, AOL) its "&",
// "<" and ">" would be markup, so they arrive as entities there; what the user wrote, "/me" included, is sent as
// written, and the caption is read up to 1,023 characters. The ANSI clients get "?" for what their code page
// lacks, mIRC every character (its command message carries Unicode), each template line as a line of its own.
TEST_F(AnnouncementTest, HostileTitlesArriveAsTextOnTheirOwnLine) {
    const std::vector<Title> titles = hostileTitles();
    const Template templates[] = {
        {"%s", "", true, nullptr},
        {"np: %s", "np: ", false, nullptr},
        {"/me is listening to %s", "/me is listening to ", false, nullptr},
        {"np:\r\n%s", "np:\r\n", true, "np:"},
    };
    hostChats({ChatClient::AIM, ChatClient::AOL, ChatClient::Yahoo, ChatClient::Mirc});
    hostPlayer("1. Warm Up - Winamp", kFirstSong.replies);
    start();
    ASSERT_TRUE(peers::click(control(ui::kChkEnable)));
    ASSERT_TRUE(allSentWithin(1));
    std::size_t counts[] = {1, 1, 1, 1};
    for (const Template& t : templates) {
        setTemplates(t.text);
        for (std::size_t i = 0; i < titles.size(); ++i) {
            player->setTitle(titles[i].caption);
            for (const ChatClient client : peers::kChatClients) {
                const bool mirc = client == ChatClient::Mirc;
                const bool html = client == ChatClient::AIM || client == ChatClient::AOL;
                const std::string value =
                    mirc ? peers::utf8FromWide(titles[i].value) : peers::ansiFromWide(titles[i].value);
                const std::string line = std::string(mirc && t.lineStart && titles[i].value[0] == L'/' ? "\x0F" : "") +
                                         (html ? htmlEscaped(value) : value);
                const Lines expected = mirc && t.lineOfItsOwn ? Lines{t.lineOfItsOwn, line} : Lines{t.before + line};
                std::size_t& count = counts[indexOf(client)];
                count += expected.size();
                ASSERT_TRUE(sentWithin(client, count)) << t.text << ", title " << i;
                const Lines got = sent(client);
                EXPECT_EQ(Lines(got.end() - static_cast<std::ptrdiff_t>(expected.size()), got.end()), expected)
                    << peers::chatClientName(client) << ", template " << peers::printable(t.text) << ", title " << i;
            }
        }
    }
}

}  // namespace
}  // namespace marquill::test
