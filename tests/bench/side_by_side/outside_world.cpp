#include "tests/bench/side_by_side/outside_world.h"

#include "peers/window_trees.h"

namespace marquill::bench {
namespace {

const std::string kCommand = "channel command ";

std::string songTag(int song) {
    return "Tune" + std::to_string(song) + " ";
}

std::string titleOf(int song) {
    return std::to_string(song % 99 + 1) + ". Bench Band - " + songTag(song) + "- Winamp";
}

peers::PlayerReplies repliesOf(int song) {
    return {0x5094, 1, (song % 180) * 1000, 240, 25};
}

}  // namespace

OutsideWorld::OutsideWorld() : arrived_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
    thread_.run([this] {
        player_ = std::make_unique<peers::FakePlayer>(titleOf(song_), repliesOf(song_));
        chat_ = std::make_unique<peers::PeerTree>(peers::chatWindowTree(peers::ChatClient::Mirc),
                                                  peers::PeerWindowOptions{});
        chat_->recorder().setListener([this](const std::string& line) { noteLine(line); });
    });
}

OutsideWorld::~OutsideWorld() {
    thread_.run([this] {
        chat_.reset();
        player_.reset();
    });
}

int OutsideWorld::playNextSong() {
    ++song_;
    player_->setReplies(repliesOf(song_));
    player_->setTitle(titleOf(song_));
    return song_;
}

double OutsideWorld::arrivalOf(int song, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (lastText_.find(songTag(song)) != std::string::npos) {
                return lastArrival_;
            }
        }
        const DWORD waited = GetTickCount() - start;
        if (waited >= timeoutMs || WaitForSingleObject(arrived_.get(), timeoutMs - waited) != WAIT_OBJECT_0) {
            return -1;
        }
    }
}

// On the window thread, inside the program's command message: the moment mIRC has the text.
void OutsideWorld::noteLine(const std::string& line) {
    if (line.rfind(kCommand, 0) != 0) {
        return;
    }
    const double at = clock_.seconds();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        lastText_ = line;
        lastArrival_ = at;
    }
    SetEvent(arrived_.get());
}

}  // namespace marquill::bench
