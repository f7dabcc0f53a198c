#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "peers/app_process.h"
#include "peers/fake_player.h"
#include "peers/irc/fake_mirc.h"
#include "peers/irc/irc_connection.h"
#include "peers/remote_control.h"
#include "tests/win32/support/window_thread.h"

// What a burst of skipping does in a real IRC channel: the program with its built-in templates in a fresh folder,
// the fake mIRC a client of the server on MARQUILL_IRC_PORT (ngircd with the limits it ships with), a second
// connection logging the channel. After the first announcement has arrived and the server is quiet again, five
// songs in five seconds; printed: the lines the fake mIRC sent, the lines the channel got, when the last one
// arrived, the longest a line waited at the server, and whether the server dropped the client. Asserts nothing.
// Usage: irc_burst   (under peers/irc/irc_server.py)
namespace {

using namespace marquill;

constexpr int kSongs = 5;
constexpr DWORD kSongGapMs = 1000;
constexpr DWORD kWaitMs = 10000;
constexpr DWORD kQuietMs = 3000;      // a client's penalty at the server has run off after this
constexpr DWORD kDrainMs = 120000;    // the longest the burst may take to reach the channel
constexpr double kHeldSeconds = 1.0;  // a line that waited this long was held back by the server
const char kChannel[] = "#burst";

struct Arrival {
    double sent;
    double arrived;  // negative: never arrived
};

// The PRIVMSG lines from `mask` that `log` received, on the log's clock.
std::vector<double> channelArrivals(const peers::IrcConnection& log, const std::string& mask) {
    std::vector<double> arrivals;
    for (const peers::IrcLine& line : log.lines()) {
        const peers::IrcMessage message = peers::parseIrcLine(line.text);
        if (message.prefix == mask && message.command == "PRIVMSG") {
            arrivals.push_back(line.at);
        }
    }
    return arrivals;
}

int fail(const char* what) {
    std::fprintf(stderr, "irc_burst: %s\n", what);
    return 1;
}

}  // namespace

int main() {
    const char* port = std::getenv("MARQUILL_IRC_PORT");
    if (port == nullptr) {
        return fail("no IRC server: run under peers/irc/irc_server.py");
    }
    const auto serverPort = static_cast<std::uint16_t>(std::atoi(port));
    peers::IrcConnection log(serverPort, "channel");
    if (!log.registered(kWaitMs) || !log.join(kChannel, kWaitMs)) {
        return fail("the log did not join the channel");
    }
    test::WindowThread thread;
    std::unique_ptr<peers::FakePlayer> player;
    std::unique_ptr<peers::FakeMirc> mirc;
    thread.run([&] {
        player = std::make_unique<peers::FakePlayer>("1. Burst - Song 0 - Winamp", peers::PlayerReplies{});
        mirc = std::make_unique<peers::FakeMirc>(serverPort, "mirc", kChannel);
    });
    if (!mirc->joined(kWaitMs)) {
        return fail("the fake mIRC did not join the channel");
    }
    const std::string mask = mirc->connection().mask();
    // Both connections' clocks read at one moment, to put sending and arrival on one.
    const double logMinusMirc = log.seconds() - mirc->connection().seconds();

    {
        peers::AppProcess app(MARQUILL_EXE);
        if (!app.start()) {
            return fail("the program's window did not appear");
        }
        const HWND enable = peers::childWindow(app.mainWindow(), "Button", "Enable Marquill Amp", 1);
        if (!peers::click(enable) || !peers::waitUntil([&] { return !mirc->sent().empty(); }, kWaitMs)) {
            return fail("switching announcing on announced nothing");
        }
        const std::size_t linesPerSong = mirc->sent().size();
        if (!peers::waitUntil([&] { return channelArrivals(log, mask).size() >= linesPerSong; }, kDrainMs)) {
            return fail("the first announcement did not reach the channel");
        }
        Sleep(kQuietMs);

        const std::size_t sentBefore = mirc->sent().size();
        const std::size_t gotBefore = channelArrivals(log, mask).size();
        const double burstStart = log.seconds();
        for (int song = 1; song <= kSongs; ++song) {
            player->setTitle(std::to_string(song + 1) + ". Burst - Song " + std::to_string(song) + " - Winamp");
            Sleep(kSongGapMs);
        }
        const std::size_t sentInBurst = mirc->sent().size() - sentBefore;
        peers::waitUntil([&] { return channelArrivals(log, mask).size() - gotBefore >= sentInBurst; }, kDrainMs);

        const std::vector<peers::IrcLine> sent = mirc->sent();
        const std::vector<double> got = channelArrivals(log, mask);
        std::vector<Arrival> arrivals;
        for (std::size_t i = sentBefore; i < sent.size(); ++i) {
            const std::size_t at = gotBefore + (i - sentBefore);
            arrivals.push_back({sent[i].at + logMinusMirc - burstStart, at < got.size() ? got[at] - burstStart : -1});
        }
        double held = 0;
        double last = 0;
        std::size_t arrived = 0;
        for (const Arrival& a : arrivals) {
            if (a.arrived >= 0) {
                held = std::max(held, a.arrived - a.sent);
                last = std::max(last, a.arrived);
                ++arrived;
            }
        }

        std::printf("server: ngircd with the limits it ships with, lines of up to %u bytes\n",
                    static_cast<unsigned>(peers::kIrcLineLimit));
        std::printf("templates: the built-in ones; mIRC's makes %u channel line(s) per song\n",
                    static_cast<unsigned>(linesPerSong));
        std::printf("burst: %d songs, one every %d ms\n", kSongs, static_cast<int>(kSongGapMs));
        std::printf("%-44s %8s %10s %8s\n", "line", "sent s", "arrived s", "held s");
        for (std::size_t i = 0; i < arrivals.size(); ++i) {
            const std::string text = peers::printable(sent[sentBefore + i].text).substr(0, 44);
            if (arrivals[i].arrived >= 0) {
                std::printf("%-44s %8.3f %10.3f %8.3f\n", text.c_str(), arrivals[i].sent, arrivals[i].arrived,
                            arrivals[i].arrived - arrivals[i].sent);
            } else {
                std::printf("%-44s %8.3f %10s %8s\n", text.c_str(), arrivals[i].sent, "never", "-");
            }
        }
        std::printf("lines sent by mIRC: %u\n", static_cast<unsigned>(arrivals.size()));
        std::printf("lines the channel got: %u\n", static_cast<unsigned>(arrived));
        std::printf("first song change to the last line's arrival: %.3f s\n", last);
        std::printf("longest a line waited at the server: %.3f s (penalised: %s)\n", held,
                    held >= kHeldSeconds ? "yes" : "no");
        std::printf("dropped by the server: %s\n", mirc->connection().open() ? "no" : "yes");
    }
    thread.run([&] {
        mirc.reset();
        player.reset();
    });
    return 0;
}
