#include "tests/unit/support/sim_peer_tree.h"

#include <algorithm>
#include <stdexcept>

#include "platform/win32_numbers.h"

namespace marquill::test {

SimPeerTree::SimPeerTree(sim::SimDesktop& desktop, const std::vector<peers::PeerNode>& nodes)
    : desktop_(desktop), nodes_(nodes) {
    for (const peers::PeerNode& node : nodes) {
        const WindowHandle parent = node.parent < 0 ? 0 : windows_.at(static_cast<std::size_t>(node.parent));
        const WindowHandle window = desktop.createWindow(node.className, L"", parent);
        const bool takesCommands = peers::takesMircCommands(node.className);
        desktop.setHandler(
            window, [this, label = std::string(node.label), window, takesCommands](const sim::SimMessage& message) {
                if (takesCommands && message.message == peers::kMircCommand) {
                    return command(label, window, message);
                }
                received_.push_back({label, window, message});
                return answer(label, window, message);
            });
        windows_.push_back(window);
    }
}

WindowHandle SimPeerTree::window(const std::string& label) const {
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (label == nodes_[i].label) {
            return windows_[i];
        }
    }
    throw std::invalid_argument("sim peer tree: no window labelled " + label);
}

void SimPeerTree::keepFirst(WindowHandle parent, const std::string& className, int count) {
    const auto parentRow = static_cast<int>(std::find(windows_.begin(), windows_.end(), parent) - windows_.begin());
    int seen = 0;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (nodes_[i].parent == parentRow && className == nodes_[i].className && ++seen > count) {
            desktop_.destroyWindow(windows_[i]);
        }
    }
}

std::wstring SimPeerTree::text(const std::string& label) const {
    const auto held = texts_.find(window(label));
    return held == texts_.end() ? L"" : held->second;
}

std::int32_t SimPeerTree::answer(const std::string& label, WindowHandle window, const sim::SimMessage& message) {
    const bool sends = (label == "input" && message.message == wm::kChar && message.wParam == kEnterKey) ||
                       (label == "send" && message.message == wm::kLeftButtonUp);
    if (message.message == wm::kSetText) {
        texts_[window] = message.text;
    } else if (message.message == wm::kGetText) {
        const std::size_t room = message.wParam == 0 ? 0 : message.wParam - 1;
        return static_cast<std::int32_t>(std::min(texts_[window].size(), room));
    } else if (sends) {
        texts_.erase(this->window("input"));
    }
    return 1;
}

std::int32_t SimPeerTree::command(const std::string& label, WindowHandle window, sim::SimMessage message) {
    const std::optional<std::wstring> text = desktop_.sharedText(peers::mircMappingName(message.lParam));
    message.text = text.value_or(L"");
    received_.push_back({label, window, message});
    return text ? 1 : 0;
}

std::vector<std::wstring> SimPeerTree::textsAt(const std::string& label) const {
    std::vector<std::wstring> texts;
    for (const ReceivedMessage& received : received_) {
        if (received.label == label &&
            (received.message.message == wm::kSetText || received.message.message == peers::kMircCommand)) {
            texts.push_back(received.message.text);
        }
    }
    return texts;
}

}  // namespace marquill::test
