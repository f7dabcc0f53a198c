#include "tests/e2e/support/hanging_chat.h"

namespace marquill::test {
namespace {

constexpr UINT kHangMessage = WM_APP + 7;
constexpr DWORD kHangStartMs = 5000;

}  // namespace

HangingChat::HangingChat(peers::ChatClient client)
    : hung_(CreateEventA(nullptr, FALSE, FALSE, nullptr)), release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_.run(
        [&] { tree_ = std::make_unique<peers::PeerTree>(peers::chatWindowTree(client), peers::PeerWindowOptions{}); });
    blocker_ = thread_.createWindow("MarquillE2EHang", "", nullptr, [this](UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message != kHangMessage) {
            return false;
        }
        SetEvent(hung_.get());
        WaitForSingleObject(release_.get(), hangMs_);
        return true;
    });
}

HangingChat::~HangingChat() {
    SetEvent(release_.get());
    thread_.run([this] {
        tree_.reset();
        DestroyWindow(blocker_);
    });
}

bool HangingChat::hang(DWORD forMs) {
    hangMs_ = forMs < kHangLimitMs ? forMs : kHangLimitMs;
    return PostMessageA(blocker_, kHangMessage, 0, 0) &&
           WaitForSingleObject(hung_.get(), kHangStartMs) == WAIT_OBJECT_0;
}

}  // namespace marquill::test
