#include <windows.h>

#include <cstring>
#include <vector>

#include "app/main_window_description.h"
#include "platform/window_services.h"
#include "winamp/winamp_protocol.h"

// The limit for the program's CPU per polling tick: a small visible window whose timer, at the program's rate,
// makes nothing but the player calls of one tick. "14": what a tick asks for the five members it reads (7 lookups,
// 5 queries, 2 title reads); "5": what one reading needs at the least (1 lookup, 1 title read, 3 queries).
// Usage: bare_poller 14|5
namespace {

namespace winamp = marquill::winamp;

enum class Call { Lookup, TitleRead, Position, Length, PlaylistLength };

// clang-format off
const std::vector<Call> kFourteenCalls = {
    Call::Lookup, Call::TitleRead,                                       // SongTitle
    Call::Lookup, Call::Position, Call::Lookup, Call::Length,            // TrackTime
    Call::Lookup, Call::TitleRead,                                       // TrackNumber
    Call::Lookup, Call::Length, Call::Lookup, Call::Position,            // TrackTimePercent
    Call::Lookup, Call::PlaylistLength,                                  // TracksInPlaylist
};
const std::vector<Call> kFiveCalls = {Call::Lookup, Call::TitleRead, Call::Position, Call::Length,
                                      Call::PlaylistLength};
// clang-format on

const std::vector<Call>* tickCalls = &kFourteenCalls;

LRESULT query(HWND player, WPARAM data, LPARAM code) {
    DWORD_PTR reply = 0;
    SendMessageTimeoutA(player, winamp::kQueryMessage, data, code, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        marquill::kAnswerTimeoutMs, &reply);
    return static_cast<LRESULT>(reply);
}

void tick() {
    HWND player = nullptr;
    wchar_t title[1024];
    for (const Call call : *tickCalls) {
        switch (call) {
            case Call::Lookup:
                player = FindWindowA(winamp::kWindowClass, nullptr);
                break;
            case Call::TitleRead:
                GetWindowTextW(player, title, 1024);
                break;
            case Call::Position:
                query(player, winamp::kOutputTimePosition, winamp::kQueryOutputTime);
                break;
            case Call::Length:
                query(player, winamp::kOutputTimeLength, winamp::kQueryOutputTime);
                break;
            case Call::PlaylistLength:
                query(player, 0, winamp::kQueryPlaylistLength);
                break;
        }
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        tick();
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "5") == 0) {
        tickCalls = &kFiveCalls;
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "BarePoller";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowA("BarePoller", "Bare poller", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 80,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetTimer(window, 1, marquill::mainwindow::kTimerIntervalMs, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
