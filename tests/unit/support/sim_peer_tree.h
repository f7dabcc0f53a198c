#pragma once

#include <map>
#include <string>
#include <vector>

#include "peers/window_trees.h"
#include "platform/sim/sim_desktop.h"

namespace marquill::test {

// A message that reached a window of a sim peer tree.
struct ReceivedMessage {
    std::string label;
    WindowHandle window;
    sim::SimMessage message;
};

// A peer's window tree from its table, built on the sim desktop in table order as the peer builds it from real
// windows, so the child search meets siblings in table order and a wrong ordinal or a wrong parent lands on a
// decoy. Every window keeps, under its label, each message that reaches it, and holds its text as a window does:
// WM_SETTEXT sets it, WM_GETTEXT answers how much of it fits the buffer, and the "input" box is emptied when the client
// sends (an Enter to it, the release of the "send" button). mIRC's windows answer its command message with the text
// of the mapping it names, which is kept as the message's text.
class SimPeerTree {
public:
    SimPeerTree(sim::SimDesktop& desktop, const std::vector<peers::PeerNode>& nodes);
    SimPeerTree(const SimPeerTree&) = delete;
    SimPeerTree& operator=(const SimPeerTree&) = delete;

    sim::SimDesktop& desktop() const { return desktop_; }
    WindowHandle top() const { return windows_.front(); }
    // The first window of the table with this label.
    WindowHandle window(const std::string& label) const;
    // Destroys the children of `parent` of that class after the first `count`, as a client that has fewer of them.
    void keepFirst(WindowHandle parent, const std::string& className, int count);

    const std::vector<ReceivedMessage>& received() const { return received_; }
    // The texts (WM_SETTEXT, mIRC's command message) the window with this label received, in order.
    std::vector<std::wstring> textsAt(const std::string& label) const;
    void forget() { received_.clear(); }

    // What the window with this label holds; the user types into it without a message reaching it.
    std::wstring text(const std::string& label) const;
    void type(const std::string& label, const std::wstring& text) { texts_[window(label)] = text; }

private:
    std::int32_t answer(const std::string& label, WindowHandle window, const sim::SimMessage& message);
    std::int32_t command(const std::string& label, WindowHandle window, sim::SimMessage message);

    sim::SimDesktop& desktop_;
    const std::vector<peers::PeerNode>& nodes_;
    std::vector<WindowHandle> windows_;  // in table order
    std::vector<ReceivedMessage> received_;
    std::map<WindowHandle, std::wstring> texts_;
};

}  // namespace marquill::test
