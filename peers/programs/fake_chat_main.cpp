#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "peers/peer_tree.h"
#include "peers/window_trees.h"

// The four chat clients for the demo, each a visible window listing what it received. Closing any of them ends
// the program, which then writes every client's transcript to the file given, or else to the standard output.
// Usage: fake_chat [seconds before it gives up] [transcript file]
int main(int argc, char** argv) {
    using namespace marquill::peers;
    const DWORD lifetimeMs = (argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 120) * 1000;

    const RECT frames[] = {{600, 10, 1270, 180}, {600, 185, 1270, 355}, {600, 360, 1270, 530}, {600, 535, 1270, 705}};
    std::vector<std::unique_ptr<PeerTree>> clients;
    for (std::size_t i = 0; i < 4; ++i) {
        PeerWindowOptions options;
        options.title = std::string(chatClientName(kChatClients[i])) + " chat (fake)";
        options.visible = true;
        options.frame = frames[i];
        options.listEvents = true;
        options.quitOnClose = true;
        clients.push_back(std::make_unique<PeerTree>(chatWindowTree(kChatClients[i]), options));
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
    const bool written = std::fflush(transcript) == 0 && (transcript == stdout || std::fclose(transcript) == 0);
    return closed && written ? 0 : 1;
}
