#pragma once

#include <vector>

// The window trees of the outside programs as tables: the peers build them as real windows (peers/peer_tree.h), the
// unit tests on the sim desktop, so both tiers meet the same decoys.
namespace marquill::peers {

// One window of a peer's tree: its class, the index of its parent in the same table (-1: top level) and the label
// under which its events are recorded.
struct PeerNode {
    const char* className;
    int parent;
    const char* label;
};

enum class ChatClient { AIM, AOL, Yahoo, Mirc };

constexpr ChatClient kChatClients[] = {ChatClient::AIM, ChatClient::AOL, ChatClient::Yahoo, ChatClient::Mirc};

// The chat window of each client. The input box is labelled "input" and the send button "send"; every other window
// of a searched class is a "decoy" placed where a wrong ordinal or a wrong parent would land.
const std::vector<PeerNode>& chatWindowTree(ChatClient client);
const char* chatClientName(ChatClient client);

// A GTK program's top window with five children; the 4th child's first child's first child is the "target".
const std::vector<PeerNode>& gtkWindowTree();

}  // namespace marquill::peers
