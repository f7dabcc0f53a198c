#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "winamp/winamp_protocol.h"

namespace marquill::test {

// A player main window on the sim desktop: answers the queries from its fields and keeps the commands it receives.
struct SimPlayer {
    explicit SimPlayer(sim::SimDesktop& desktop, const std::wstring& title = L"1. Artist - Song - Winamp")
        : desktop(desktop), window(desktop.createWindow(winamp::kWindowClass, title)) {
        desktop.setHandler(window, [this](const sim::SimMessage& message) { return answer(message); });
    }

    std::int32_t answer(const sim::SimMessage& message) {
        if (message.message == winamp::kCommandMessage) {
            commands.push_back(static_cast<std::int32_t>(message.wParam));
            return 0;
        }
        if (message.message != winamp::kQueryMessage) {
            return 0;
        }
        switch (message.lParam) {
            case winamp::kQueryVersion:
                return version;
            case winamp::kQueryStatus:
                return status;
            case winamp::kQueryOutputTime:
                return message.wParam == winamp::kOutputTimeLength ? lengthSeconds : positionMs;
            case winamp::kQueryPlaylistLength:
                return playlistLength;
            case winamp::kQueryListPosition:
                return listPosition;
            default:
                return otherReply;
        }
    }

    sim::SimDesktop& desktop;
    WindowHandle window;
    std::int32_t version = 0x5094;
    std::int32_t status = 1;
    std::int32_t positionMs = 65000;
    std::int32_t lengthSeconds = 185;
    std::int32_t playlistLength = 12;
    std::int32_t listPosition = 11;
    std::int32_t otherReply = 77;
    std::vector<std::int32_t> commands;
};

}  // namespace marquill::test
