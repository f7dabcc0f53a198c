#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "peers/fake_player.h"
#include "peers/peer_tree.h"
#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "tests/e2e/support/chat_messages.h"
#include "tests/e2e/support/e2e_fixture.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {

struct Song {
    const char* title;
    peers::PlayerReplies replies;
};

const Song kFirstSong = {"12. Band - Tune - Winamp", {0, 1, 65000, 185, 12}};
const Song kSecondSong = {"3. Other - Song - Winamp", {0, 1, 200000, 240, 9}};

// The program's bound on one blocking send to a chat window.
constexpr DWORD kDeliveryBoundMs = 5000;

inline std::size_t indexOf(peers::ChatClient client) {
    return static_cast<std::size_t>(client);
}

// The program with the chat clients a test hosts, and what each of them was sent.
class AnnouncementTest : public EndToEndTest {
protected:
    void hostChats(const std::vector<peers::ChatClient>& clients, const peers::PeerWindowOptions& options = {}) {
        for (const peers::ChatClient client : clients) {
            chats_[indexOf(client)] = &hostTree(peers::chatWindowTree(client), options);
        }
    }

    // A chat client's windows that the test made on the peers thread itself, served as a hosted client's.
    void hostChat(peers::ChatClient client, const peers::PeerTree& tree) { chats_[indexOf(client)] = &tree; }

    // Every template box holds `templateText`.
    void setTemplates(const std::string& templateText) {
        for (const peers::ChatClient client : peers::kChatClients) {
            ASSERT_TRUE(peers::setControlText(control(ui::txtData(static_cast<int>(indexOf(client)))), templateText));
        }
    }

    const peers::PeerTree& chat(peers::ChatClient client) const { return *chats_[indexOf(client)]; }

    ::testing::AssertionResult sentWithin(peers::ChatClient client,
                                          std::size_t count,
                                          DWORD timeoutMs = kWaitMs) const {
        return test::sentWithin(chat(client), client, count, timeoutMs);
    }

    std::vector<std::string> sent(peers::ChatClient client) const { return sentMessages(chat(client), client); }

    // Waits until every client hosted has sent `count` messages.
    ::testing::AssertionResult allSentWithin(std::size_t count) const {
        for (const peers::ChatClient client : peers::kChatClients) {
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

    // Which client each text arrived at, in arrival order across the clients hosted (mIRC's by its command message).
    std::vector<std::string> textArrivals() const {
        std::vector<std::pair<std::uint64_t, std::string>> arrivals;
        for (const peers::ChatClient client : peers::kChatClients) {
            if (const peers::PeerTree* tree = chats_[indexOf(client)]) {
                for (const peers::RecordedLine& entry : tree->recorder().entries()) {
                    if (entry.line.rfind("input text ", 0) == 0 || entry.line.rfind("channel command ", 0) == 0) {
                        arrivals.emplace_back(entry.order, peers::chatClientName(client));
                    }
                }
            }
        }
        std::sort(arrivals.begin(), arrivals.end());
        std::vector<std::string> names;
        for (const auto& arrival : arrivals) {
            names.push_back(arrival.second);
        }
        return names;
    }

private:
    std::array<const peers::PeerTree*, 4> chats_{};
};

}  // namespace marquill::test
