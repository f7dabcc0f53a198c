#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chat/chat_drivers.h"
#include "peers/peer_tree.h"
#include "peers/window_trees.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_shared_memory.h"
#include "platform/win32/win32_window_services.h"
#include "tests/win32/support/window_thread.h"

namespace marquill::peers {
namespace {

using Lines = std::vector<std::string>;

class PeerTreesTest : public ::testing::Test {
protected:
    ~PeerTreesTest() override {
        thread.run([this] { trees.clear(); });
    }

    PeerTree& host(const std::vector<PeerNode>& nodes) {
        thread.run([&] { trees.push_back(std::make_unique<PeerTree>(nodes, PeerWindowOptions{})); });
        return *trees.back();
    }

    win32::Win32AnsiCodec codec;
    win32::Win32WindowServices services{codec};
    test::WindowThread thread;
    std::vector<std::unique_ptr<PeerTree>> trees;
};

// The drivers must set the text before the send action reaches the client, and the peers must record what arrives
// in that order, or a transcript could not show a message sent before its text was in place. Today's mIRC reads
// each line from the real file mapping the driver made.
TEST_F(PeerTreesTest, EachClientRecordsTheDriversTextThenItsSendAction) {
    struct Case {
        ChatClient client;
        Delivery (ChatDrivers::*send)(std::wstring);
        Lines expected;
    };
    const Case cases[] = {
        {ChatClient::AIM, &ChatDrivers::SendToAIM, {"input text a\r\nb", "send down", "send up"}},
        {ChatClient::AOL, &ChatDrivers::SendToAOL, {"input text a\r\nb", "input char 13"}},
        {ChatClient::Yahoo, &ChatDrivers::SendToYahoo, {"input text a\r\nb", "send down", "send up"}},
        {ChatClient::Mirc, &ChatDrivers::SendToMirc, {"channel command 14 a", "channel command 14 b"}},
        {ChatClient::Mirc6, &ChatDrivers::SendToMirc, {"input text a\r\nb", "input char 13"}},
    };
    win32::Win32SharedMemory memory;
    ChatDrivers drivers(services, memory);
    for (const Case& c : cases) {
        PeerTree& tree = host(chatWindowTree(c.client));
        (drivers.*c.send)(L"a\r\nb");
        thread.run([] {});  // posted clicks are handled before the next job
        EXPECT_EQ(tree.recorder().lines(), c.expected) << chatClientName(c.client);
        thread.run([this] { trees.clear(); });
    }
}

}  // namespace
}  // namespace marquill::peers
