#pragma once

#include <string>
#include <vector>

// The window trees of the outside programs as tables: the peers build them as real windows (peers/peer_tree.h), the
// unit tests on the sim desktop, so both tiers meet the same decoys.
namespace marquill::peers {

// One window of a peer's tree: its class, the index of its parent in the same table (-1: top level), the label
// under which its events are recorded, and its control id.
struct PeerNode {
    const char* className;
    int parent;
    const char* label;
    int id = 0;
};

// Mirc is mIRC as people run it today (7.0 and later), Mirc6 the mIRC of before, with an edit line.
enum class ChatClient { AIM, AOL, Yahoo, Mirc, Mirc6 };

// The four clients the program announces to, in its order.
constexpr ChatClient kChatClients[] = {ChatClient::AIM, ChatClient::AOL, ChatClient::Yahoo, ChatClient::Mirc};

// mIRC's command message (mIRC's help, page "SendMessage"): WM_USER + 200 to the main or a channel window, the text
// in the file mapping named "mIRC<N>" ("mIRC" for N = 0), N in lParam; wParam 1 as if typed, 2 the same as plain
// text, 4 with flood protection, 8 the text is Unicode. mIRC answers 1 when done.
constexpr unsigned kMircCommand = 1024 + 200;
inline std::wstring mircMappingName(long n) {
    return n == 0 ? L"mIRC" : L"mIRC" + std::to_wstring(n);
}
// Whether windows of this class take the command message: mIRC's main and channel windows.
bool takesMircCommands(const char* className);

// The chat window of each client. The input box is labelled "input", the send button "send" and mIRC's topmost
// channel window "channel"; every other window of a searched class is a "decoy" placed where a wrong ordinal or a
// wrong parent would land.
const std::vector<PeerNode>& chatWindowTree(ChatClient client);
const char* chatClientName(ChatClient client);

// A GTK program's top window with five children; the 4th child's first child's first child is the "target".
const std::vector<PeerNode>& gtkWindowTree();

}  // namespace marquill::peers
