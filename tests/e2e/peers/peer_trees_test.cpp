#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chat/chat_drivers.h"
#include "peers/peer_tree.h"
#include "peers/window_trees.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_shared_memory.h"
#include "platform/win32/win32_window_services.h"
#include "platform/window_chain.h"
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

// A tree whose decoys are misplaced would let a driver with a wrong ordinal or a wrong parent pass: each wrong
// chain must land on a window that records as a decoy, and only the true chain on the target.
TEST_F(PeerTreesTest, OnlyTheTrueChainReachesTheTarget) {
    struct Case {
        const std::vector<PeerNode>& tree;
        std::vector<ChildStep> chain;
        const char* landsOn;
    };
    const auto& aim = chatWindowTree(ChatClient::AIM);
    const auto& aol = chatWindowTree(ChatClient::AOL);
    const auto& yahoo = chatWindowTree(ChatClient::Yahoo);
    const auto& mirc = chatWindowTree(ChatClient::Mirc);
    const auto& mirc6 = chatWindowTree(ChatClient::Mirc6);
    const auto& gtk = gtkWindowTree();
    const Case cases[] = {
        {aim, {{"WndAte32Class", 2}, {"Ate32Class", 1}}, "input"},
        {aim, {{"WndAte32Class", 1}, {"Ate32Class", 1}}, "decoy"},
        {aim, {{"WndAte32Class", 3}, {"Ate32Class", 1}}, "decoy"},
        {aim, {{"WndAte32Class", 2}, {"Ate32Class", 2}}, "decoy"},
        {aim, {{"_Oscar_IconBtn", 5}}, "send"},
        {aim, {{"_Oscar_IconBtn", 4}}, "decoy"},
        {aim, {{"_Oscar_IconBtn", 6}}, "decoy"},
        {aol, {{"MDIClient", 1}, {"AOL Child", 1}, {"RICHCNTL", 1}}, "input"},
        {aol, {{"MDIClient", 2}, {"AOL Child", 1}, {"RICHCNTL", 1}}, "decoy"},
        {aol, {{"MDIClient", 1}, {"AOL Child", 2}, {"RICHCNTL", 1}}, "decoy"},
        {aol, {{"MDIClient", 1}, {"AOL Child", 1}, {"RICHCNTL", 2}}, "decoy"},
        {yahoo, {{"YIMInputWindow", 1}}, "input"},
        {yahoo, {{"YIMInputWindow", 2}}, "decoy"},
        {yahoo, {{"Button", 4}}, "send"},
        {yahoo, {{"Button", 3}}, "decoy"},
        {yahoo, {{"Button", 5}}, "decoy"},
        {mirc, {{"MDIClient", 1}, {"mIRC_Channel", 1}}, "channel"},
        {mirc, {{"MDIClient", 2}, {"mIRC_Channel", 1}}, "decoy"},
        {mirc, {{"MDIClient", 1}, {"mIRC_Channel", 2}}, "decoy"},
        {mirc6, {{"MDIClient", 1}, {"mIRC_Channel", 1}, {"Edit", 1}}, "input"},
        {mirc6, {{"MDIClient", 2}, {"mIRC_Channel", 1}, {"Edit", 1}}, "decoy"},
        {mirc6, {{"MDIClient", 1}, {"mIRC_Channel", 2}, {"Edit", 1}}, "decoy"},
        {mirc6, {{"MDIClient", 1}, {"mIRC_Channel", 1}, {"Edit", 2}}, "decoy"},
        {gtk, {{"gdkWindowChild", 4}, {"gdkWindowChild", 1}, {"gdkWindowChild", 1}}, "target"},
        {gtk, {{"gdkWindowChild", 3}, {"gdkWindowChild", 1}, {"gdkWindowChild", 1}}, "decoy"},
        {gtk, {{"gdkWindowChild", 5}, {"gdkWindowChild", 1}, {"gdkWindowChild", 1}}, "decoy"},
        {gtk, {{"gdkWindowChild", 4}, {"gdkWindowChild", 2}, {"gdkWindowChild", 1}}, "decoy"},
        {gtk, {{"gdkWindowChild", 1}, {"gdkWindowChild", 1}, {"gdkWindowChild", 1}}, "decoy"},
        {gtk, {{"gdkWindowChild", 6}}, nullptr},
        {gtk, {{"gdkWindowChild", 4}, {"gdkWindowChild", 1}, {"gdkWindowChild", 2}}, "decoy"},
    };
    for (const Case& c : cases) {
        PeerTree& tree = host(c.tree);
        const WindowHandle end = followWindowChain(services, c.tree.front().className, c.chain);
        std::string trace = c.tree.front().className;
        for (const ChildStep& step : c.chain) {
            trace += std::string(" > ") + step.className + " #" + std::to_string(step.ordinal);
        }
        if (c.landsOn == nullptr) {  // fewer children than the ordinal: no wrap-around
            EXPECT_EQ(end, 0u) << trace;
        } else {
            services.sendTextMessageTimeout(end, WM_SETTEXT, 0, L"hello", 2000);
            EXPECT_EQ(tree.recorder().lines(), Lines{std::string(c.landsOn) + " text hello"}) << trace;
        }
        thread.run([this] { trees.clear(); });
    }
}

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
