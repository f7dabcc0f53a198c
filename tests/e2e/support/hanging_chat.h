#pragma once

#include <windows.h>

#include <memory>

#include "peers/peer_tree.h"
#include "platform/win32/owners.h"
#include "peers/window_trees.h"
#include "tests/win32/support/window_thread.h"

namespace marquill::test {

// A chat client on a window thread of its own, which the test can stop as a hung program stops: its windows answer
// nothing until it is destroyed, or for the time given (kHangLimitMs at most), while the other peers go on pumping.
class HangingChat {
public:
    explicit HangingChat(peers::ChatClient client);
    ~HangingChat();
    HangingChat(const HangingChat&) = delete;
    HangingChat& operator=(const HangingChat&) = delete;

    // Stops the client's thread for `forMs`; true once it has stopped.
    bool hang(DWORD forMs = kHangLimitMs);
    const peers::PeerTree& tree() const { return *tree_; }

    static constexpr DWORD kHangLimitMs = 30000;

private:
    win32::KernelHandle hung_;
    win32::KernelHandle release_;
    WindowThread thread_;
    std::unique_ptr<peers::PeerTree> tree_;
    HWND blocker_ = nullptr;
    DWORD hangMs_ = kHangLimitMs;  // written before the hang is posted, read on the client's thread
};

}  // namespace marquill::test
