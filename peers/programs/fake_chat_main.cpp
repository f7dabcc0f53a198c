#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "peers/irc/fake_mirc.h"
#include "peers/irc/irc_connection.h"
#include "peers/peer_tree.h"
#include "peers/window_trees.h"

// The four chat clients for the demo, each a visible window listing what it received. With an IRC server on
// MARQUILL_IRC_PORT, mIRC is a real client of it in the channel #marquill, which a second connection logs. Closing
// any of the windows ends the program, which then writes every client's transcript, and the channel's, to the file
// given, or else to the standard output.
// Usage: fake_chat [seconds before it gives up] [transcript file]
namespace {

using namespace marquill::peers;

constexpr DWORD kJoinTimeoutMs = 10000;
const char kChannel[] = "#marquill";

// The channel and its log, when a server runs; the mIRC window shows once it is in the channel, so nothing is
// announced to it before then.
struct Irc {
    std::uint16_t port;
    std::unique_ptr<IrcConnection> log;
    std::unique_ptr<FakeMirc> mirc;
};

}  // namespace

int main(int argc, char** argv) {
    const DWORD lifetimeMs = (argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 120) * 1000;
    const char* port = std::getenv("MARQUILL_IRC_PORT");
    Irc irc = {static_cast<std::uint16_t>(port ? std::atoi(port) : 0), nullptr, nullptr};

    const RECT frames[] = {{600, 10, 1270, 180}, {600, 185, 1270, 355}, {600, 360, 1270, 530}, {600, 535, 1270, 705}};
    std::vector<const PeerTree*> clients;
    std::vector<std::unique_ptr<PeerTree>> plainClients;
    for (std::size_t i = 0; i < 4; ++i) {
        PeerWindowOptions options;
        options.title = std::string(chatClientName(kChatClients[i])) + " chat (fake)";
        options.visible = true;
        options.frame = frames[i];
        options.listEvents = true;
        options.quitOnClose = true;
        if (kChatClients[i] == ChatClient::Mirc && irc.port != 0) {
            irc.log = std::make_unique<IrcConnection>(irc.port, "channel");
            options.title = "mIRC chat (fake) in " + std::string(kChannel);
            options.visible = false;
            irc.mirc = std::make_unique<FakeMirc>(irc.port, "mirc", kChannel, options);
            if (!irc.log->registered(kJoinTimeoutMs) || !irc.log->join(kChannel, kJoinTimeoutMs) ||
                !irc.mirc->joined(kJoinTimeoutMs)) {
                std::fprintf(stderr, "fake_chat: could not join %s on port %u\n", kChannel, irc.port);
                return 1;
            }
            ShowWindow(irc.mirc->tree().top(), SW_SHOW);
            clients.push_back(&irc.mirc->tree());
            continue;
        }
        plainClients.push_back(std::make_unique<PeerTree>(chatWindowTree(kChatClients[i]), options));
        clients.push_back(plainClients.back().get());
    }

    const DWORD start = GetTickCount();
    SetTimer(nullptr, 0, 100, nullptr);
    MSG message;
    while (GetTickCount() - start < lifetimeMs && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    const bool closed = GetTickCount() - start < lifetimeMs;

    std::FILE* transcript = argc > 2 ? std::fopen(argv[2], "w") : stdout;
    if (transcript == nullptr) {
        return 1;
    }
    for (std::size_t i = 0; i < clients.size(); ++i) {
        std::fprintf(transcript, "%s received:\n", chatClientName(kChatClients[i]));
        for (const std::string& line : clients[i]->recorder().lines()) {
            std::fprintf(transcript, "  %s\n", printable(line).c_str());
        }
    }
    if (irc.log) {
        std::fprintf(transcript, "IRC channel %s received:\n", kChannel);
        for (const IrcLine& line : irc.log->lines()) {
            const IrcMessage m = parseIrcLine(line.text);
            if (m.prefix == irc.mirc->connection().mask()) {
                std::fprintf(transcript, "  %s\n", printable(line.text).c_str());
            }
        }
    }
    const bool written = std::fflush(transcript) == 0 && (transcript == stdout || std::fclose(transcript) == 0);
    return closed && written ? 0 : 1;
}
