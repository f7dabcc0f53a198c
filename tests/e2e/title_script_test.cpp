#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "tests/e2e/support/announcement_fixture.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using peers::ChatClient;

// A title in any script must reach a Unicode chat window whole, and an ANSI one with "?" for each character its
// code page lacks, never a look-alike; text the code page holds must reach an ANSI window byte for byte. Each
// client is checked both ways; mIRC's command message carries Unicode text whatever its windows are.
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
                const bool inUnicode = client == ChatClient::Mirc ||
                                       std::count(halves[unicodeHalf].begin(), halves[unicodeHalf].end(), client) > 0;
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

}  // namespace
}  // namespace marquill::test
