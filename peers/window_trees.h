#pragma once

#include <vector>

#include "peers/peer_tree.h"

namespace marquill::peers {

enum class ChatClient { AIM, AOL, Yahoo, Mirc };

constexpr ChatClient kChatClients[] = {ChatClient::AIM, ChatClient::AOL, ChatClient::Yahoo, ChatClient::Mirc};

// The chat window of each client. The input box is labelled "input" and the send button "send"; every other window
// of a searched class is a "decoy" placed where a wrong ordinal or a wrong parent would land.
const std::vector<PeerNode>& chatWindowTree(ChatClient client);
const char* chatClientName(ChatClient client);

// A GTK program's top window with five children; the 4th child's first child's first child is the "target".
const std::vector<PeerNode>& gtkWindowTree();

}  // namespace marquill::peers
