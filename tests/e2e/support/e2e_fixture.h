#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "peers/app_process.h"
#include "peers/fake_player.h"
#include "peers/peer_tree.h"
#include "tests/win32/support/window_thread.h"

namespace marquill::test {

// Every wait of the tier: long enough for a loaded machine, short enough to keep a failing run quick.
constexpr DWORD kWaitMs = 5000;

// The program started in a fresh folder, with its outside world (player, chat clients, GTK window) hosted on a
// pumping thread of the test, so the program reaches them across processes as it reaches the real ones.
class EndToEndTest : public ::testing::Test {
protected:
    ~EndToEndTest() override;

    // The program's folder, made on first use: what a test puts there before start() is there at its start-up.
    peers::AppProcess& app();
    // Starts the program in app()'s folder, or again once it has ended there; the peers hosted before are there
    // at its start-up.
    void start();
    // Closes the program as the user does, waits for its end and starts it again in the same folder.
    void restart();
    // Ends the program at once and removes its folder, so the next start() begins afresh. A Wine process takes two
    // seconds to end after its window has closed; a test that runs many copies cannot wait for each.
    void discardProgram() { app_.reset(); }
    HWND mainWindow() const { return app_->mainWindow(); }
    // A control of the program's window by its name in the expected layout, found as a user's tool finds it.
    HWND control(const std::string& name) const;

    peers::FakePlayer& hostPlayer(const std::string& title, const peers::PlayerReplies& replies);
    void closePlayer();
    peers::PeerTree& hostTree(const std::vector<peers::PeerNode>& nodes, const peers::PeerWindowOptions& options = {});
    void closeTrees();

    std::string text(const std::string& name) const;
    // Waits until the control shows `expected`; on failure the last text read is in `shown`.
    ::testing::AssertionResult showsWithin(const std::string& name,
                                           const std::string& expected,
                                           DWORD timeoutMs = kWaitMs);
    // Waits until the tree has recorded `count` lines.
    ::testing::AssertionResult recordsWithin(const peers::PeerTree& tree, std::size_t count);

    WindowThread peers;
    std::unique_ptr<peers::FakePlayer> player;

private:
    std::unique_ptr<peers::AppProcess> app_;
    std::vector<std::unique_ptr<peers::PeerTree>> trees_;
};

}  // namespace marquill::test
