#include "tests/e2e/support/announcement_fixture.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "peers/remote_control.h"
#include "tests/e2e/support/chat_messages.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {

std::size_t indexOf(peers::ChatClient client) {
    return static_cast<std::size_t>(client);
}

void AnnouncementTest::hostChats(const std::vector<peers::ChatClient>& clients,
                                 const peers::PeerWindowOptions& options) {
    for (const peers::ChatClient client : clients) {
        chats_[indexOf(client)] = &hostTree(peers::chatWindowTree(client), options);
    }
}

void AnnouncementTest::setTemplates(const std::string& templateText) {
    for (const peers::ChatClient client : peers::kChatClients) {
        ASSERT_TRUE(peers::setControlText(control(ui::txtData(static_cast<int>(indexOf(client)))), templateText));
    }
}

::testing::AssertionResult AnnouncementTest::sentWithin(peers::ChatClient client,
                                                        std::size_t count,
                                                        DWORD timeoutMs) const {
    return test::sentWithin(chat(client), client, count, timeoutMs);
}

std::vector<std::string> AnnouncementTest::sent(peers::ChatClient client) const {
    return sentMessages(chat(client), client);
}

::testing::AssertionResult AnnouncementTest::allSentWithin(std::size_t count) const {
    for (const peers::ChatClient client : peers::kChatClients) {
        if (chats_[indexOf(client)] != nullptr) {
            if (::testing::AssertionResult result = sentWithin(client, count); !result) {
                return result;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

void AnnouncementTest::closeChats() {
    closeTrees();
    chats_ = {};
}

std::vector<std::string> AnnouncementTest::textArrivals() const {
    std::vector<std::pair<std::uint64_t, std::string>> arrivals;
    for (const peers::ChatClient client : peers::kChatClients) {
        if (const peers::PeerTree* tree = chats_[indexOf(client)]) {
            for (const peers::RecordedLine& entry : tree->recorder().entries()) {
                if (entry.line.rfind("input text ", 0) == 0) {
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

}  // namespace marquill::test
