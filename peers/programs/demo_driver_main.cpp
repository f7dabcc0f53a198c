#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "peers/remote_control.h"
#include "peers/window_trees.h"
#include "tests/support/expected_layout.h"

// The user's hand in the demo, one action per run:
//   demo_driver [--desktop=NAME] enable               waits for the windows of the program, the player and the
//                                                     four chat clients, ticks "Enable Marquill Amp"
//   demo_driver [--desktop=NAME] watch SONGS SECONDS  prints the holders at each new title, SONGS times
//   demo_driver [--desktop=NAME] close                closes the program, the player and the chat clients
// With --desktop the driver works on that desktop's windows (the demo's programs may run on a desktop of their
// own). Exits with 1 when something did not happen within its bound.
namespace {

namespace layout = marquill::test::layout;
namespace ui = marquill::test::ui;
using marquill::peers::controlText;
using marquill::peers::waitUntil;

constexpr DWORD kStartTimeoutMs = 30000;

HWND mainWindow() {
    return FindWindowA(layout::kWindowClass, nullptr);
}

// A control of the program's window as a user's tool finds it: by class, and caption or place among its class.
HWND control(const char* name) {
    const layout::ExpectedControl* expected = layout::expectedControl(name);
    return marquill::peers::childWindow(mainWindow(), expected->className, expected->caption, expected->ordinal);
}

bool shown(const char* className) {
    return IsWindowVisible(FindWindowA(className, nullptr)) != 0;
}

int enable() {
    // The program's window exists before its controls, and is shown once start-up has ended. A chat client
    // without its window when a song is announced receives nothing, so announcing waits for all of them.
    std::vector<const char*> classes = {layout::kWindowClass, "Winamp v1.x"};
    for (const marquill::peers::ChatClient client : marquill::peers::kChatClients) {
        classes.push_back(marquill::peers::chatWindowTree(client).front().className);
    }
    for (const char* className : classes) {
        if (!waitUntil([&] { return shown(className); }, kStartTimeoutMs)) {
            std::fprintf(stderr, "demo: no window of class \"%s\" appeared\n", className);
            return 1;
        }
    }
    const HWND box = control(ui::kChkEnable);
    if (!marquill::peers::click(box) || SendMessageA(box, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        std::fprintf(stderr, "demo: could not tick \"%s\"\n", controlText(box).c_str());
        return 1;
    }
    std::printf("driver: ticked \"%s\"\n", controlText(box).c_str());
    return 0;
}

std::string holder(const char* name) {
    return controlText(control(name));
}

int watch(int songs, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    std::string last;
    for (int seen = 0; seen < songs;) {
        std::string title;
        const bool changed = waitUntil(
            [&] {
                title = holder(ui::kTxtTitle);
                return !title.empty() && title != last;
            },
            timeoutMs - std::min(timeoutMs, GetTickCount() - start));
        if (!changed) {
            std::fprintf(stderr, "demo: only %d new titles within the time\n", seen);
            return 1;
        }
        // The labels were written before the title, from the same reading: they show what was announced with it
        // (the time and percent may have moved on by a tick or two since).
        std::printf(
            "holders: txtTitle \"%s\" | lbltTime \"%s\" | lblTrackNumber \"%s\" | lblTrackPer \"%s\" | "
            "lblTotalTracks \"%s\"\n",
            holder(ui::kTxtTitle).c_str(), holder(ui::kLbltTime).c_str(), holder(ui::kLblTrackNumber).c_str(),
            holder(ui::kLblTrackPer).c_str(), holder(ui::kLblTotalTracks).c_str());
        std::fflush(stdout);
        last = title;
        ++seen;
    }
    return 0;
}

int close() {
    const char* classes[] = {layout::kWindowClass, "Winamp v1.x", "AIM_ChatWnd"};
    bool allGone = true;
    for (const char* className : classes) {
        const HWND window = FindWindowA(className, nullptr);
        if (window) {
            marquill::peers::requestClose(window);
        }
        allGone = waitUntil([&] { return FindWindowA(className, nullptr) == nullptr; }, 10000) && allGone;
    }
    return allGone ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string desktopOption = "--desktop=";
    if (argc > 1 && std::string(argv[1]).rfind(desktopOption, 0) == 0) {
        // Window searches look at the calling thread's desktop; a thread without windows may change it.
        HDESK desktop = nullptr;
        waitUntil([&] { return (desktop = OpenDesktopA(argv[1] + desktopOption.size(), 0, FALSE, GENERIC_ALL)); },
                  kStartTimeoutMs);
        if (desktop == nullptr || !SetThreadDesktop(desktop)) {
            std::fprintf(stderr, "demo: cannot use the desktop %s\n", argv[1] + desktopOption.size());
            return 2;
        }
        --argc;
        ++argv;
    }
    const std::string action = argc > 1 ? argv[1] : "";
    if (action == "enable") {
        return enable();
    }
    if (action == "watch" && argc > 3) {
        return watch(std::atoi(argv[2]), static_cast<DWORD>(std::atoi(argv[3])) * 1000);
    }
    if (action == "close") {
        return close();
    }
    std::fprintf(stderr, "usage: demo_driver [--desktop=NAME] enable | watch SONGS SECONDS | close\n");
    return 2;
}
