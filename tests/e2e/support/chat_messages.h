#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "peers/peer_tree.h"
#include "peers/window_trees.h"

namespace marquill::test {

// The messages a chat client sent, in order: each text its input box received once the client's send action
// (Enter, or a click on its send button) has followed it; for today's mIRC, each line its channel window took
// through the command message. Any other line shows as "unexpected: <line>", so a stray or a missing line fails a
// comparison; a text whose posted click is still on its way is left out.
std::vector<std::string> sentMessages(const peers::PeerTree& tree, peers::ChatClient client);

// Waits until the client has sent `count` messages; on failure says what it sent.
::testing::AssertionResult sentWithin(const peers::PeerTree& tree,
                                      peers::ChatClient client,
                                      std::size_t count,
                                      DWORD timeoutMs);

// What "%t" and "%d" may read for a message composed between `from` and `to`, a second's slack on either side, in
// this process's locale, which the program shares.
struct ClockTexts {
    std::set<std::string> times;
    std::set<std::string> dates;
};

ClockTexts clockTextsBetween(const SYSTEMTIME& from, const SYSTEMTIME& to);

SYSTEMTIME localNow();

}  // namespace marquill::test
