#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "peers/fake_player.h"
#include "peers/peer_tree.h"
#include "peers/window_trees.h"
#include "tests/e2e/support/e2e_fixture.h"

namespace marquill::test {

struct Song {
    const char* title;
    peers::PlayerReplies replies;
};

const Song kFirstSong = {"3. Band - Tune - Winamp", {0, 1, 65000, 185, 9}};
const Song kSecondSong = {"12. Other - Song - Winamp", {0, 1, 200000, 240, 12}};

// The program's bound on one blocking send to a chat window.
constexpr DWORD kDeliveryBoundMs = 5000;

std::size_t indexOf(peers::ChatClient client);

// The program with the chat clients a test hosts, and what each of them was sent.
class AnnouncementTest : public EndToEndTest {
protected:
    void hostChats(const std::vector<peers::ChatClient>& clients, const peers::PeerWindowOptions& options = {});
    // Every template box holds `templateText`.
    void setTemplates(const std::string& templateText);
    const peers::PeerTree& chat(peers::ChatClient client) const { return *chats_[indexOf(client)]; }
    ::testing::AssertionResult sentWithin(peers::ChatClient client, std::size_t count, DWORD timeoutMs = kWaitMs) const;
    std::vector<std::string> sent(peers::ChatClient client) const;
    // Waits until every client hosted has sent `count` messages.
    ::testing::AssertionResult allSentWithin(std::size_t count) const;
    void closeChats();
    // Which client each text arrived at, in arrival order across the clients hosted.
    std::vector<std::string> textArrivals() const;

private:
    std::array<const peers::PeerTree*, 4> chats_{};
};

}  // namespace marquill::test
