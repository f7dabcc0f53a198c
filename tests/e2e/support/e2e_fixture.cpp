#include "tests/e2e/support/e2e_fixture.h"

#include "peers/remote_control.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {

EndToEndTest::~EndToEndTest() {
    app_.reset();
    peers.run([this] {
        trees_.clear();
        player.reset();
    });
}

peers::AppProcess& EndToEndTest::app() {
    if (!app_) {
        app_ = std::make_unique<peers::AppProcess>(MARQUILL_EXE);
    }
    return *app_;
}

void EndToEndTest::start() {
    ASSERT_TRUE(app().start()) << "the main window did not appear";
}

void EndToEndTest::restart() {
    ASSERT_TRUE(peers::requestClose(mainWindow()));
    DWORD exitCode = 0;
    ASSERT_TRUE(app().waitForExit(kWaitMs, exitCode)) << "the program did not end within " << kWaitMs << " ms";
    start();
}

HWND EndToEndTest::control(const std::string& name) const {
    const layout::ExpectedControl* expected = layout::expectedControl(name);
    return expected ? peers::childWindow(mainWindow(), expected->className, expected->caption, expected->ordinal)
                    : nullptr;
}

peers::FakePlayer& EndToEndTest::hostPlayer(const std::string& title, const peers::PlayerReplies& replies) {
    peers.run([&] { player = std::make_unique<peers::FakePlayer>(title, replies); });
    return *player;
}

void EndToEndTest::closePlayer() {
    peers.run([this] { player.reset(); });
}

peers::PeerTree& EndToEndTest::hostTree(const std::vector<peers::PeerNode>& nodes,
                                        const peers::PeerWindowOptions& options) {
    peers.run([&] { trees_.push_back(std::make_unique<peers::PeerTree>(nodes, options)); });
    return *trees_.back();
}

void EndToEndTest::closeTrees() {
    peers.run([this] { trees_.clear(); });
}

std::string EndToEndTest::text(const std::string& name) const {
    return peers::controlText(control(name));
}

::testing::AssertionResult EndToEndTest::showsWithin(const std::string& name,
                                                     const std::string& expected,
                                                     DWORD timeoutMs) {
    std::string shown;
    if (peers::waitUntil([&] { return (shown = text(name)) == expected; }, timeoutMs)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << name << " shows \"" << shown << "\", not \"" << expected << "\"";
}

::testing::AssertionResult EndToEndTest::recordsWithin(const peers::PeerTree& tree, std::size_t count) {
    if (peers::waitUntil([&] { return tree.recorder().lines().size() >= count; }, kWaitMs)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "recorded " << tree.recorder().lines().size() << " lines, not " << count;
}

}  // namespace marquill::test
