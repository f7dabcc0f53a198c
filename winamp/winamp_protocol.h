#pragma once

#include <cstdint>

#include "platform/win32_numbers.h"

// The player's side of the link: the class of its main window, the messages it answers and the commands it takes.
namespace marquill::winamp {

constexpr const char* kWindowClass = "Winamp v1.x";
constexpr const char* kJumpToFileClass = "Jump to file";

constexpr std::uint32_t kQueryMessage = wm::kUser;       // query code in lParam, data in wParam
constexpr std::uint32_t kCommandMessage = wm::kCommand;  // command identifier in wParam

constexpr std::int32_t kQueryVersion = 0;
constexpr std::int32_t kQueryStatus = 104;
constexpr std::int32_t kQueryOutputTime = 105;  // data 0: position in ms; data 1: length in seconds
constexpr std::int32_t kQueryPlaylistLength = 124;
constexpr std::int32_t kQueryListPosition = 125;  // 0-based

constexpr std::int32_t kOutputTimePosition = 0;
constexpr std::int32_t kOutputTimeLength = 1;

constexpr std::int32_t kCommandClose = 40001;
constexpr std::int32_t kCommandToggleShuffle = 40023;
constexpr std::int32_t kCommandPrevious = 40044;
constexpr std::int32_t kCommandPlay = 40045;
constexpr std::int32_t kCommandPause = 40046;
constexpr std::int32_t kCommandStop = 40047;
constexpr std::int32_t kCommandNext = 40048;
constexpr std::int32_t kCommandVolumeUp = 40058;
constexpr std::int32_t kCommandVolumeDown = 40059;
constexpr std::int32_t kCommandRewind = 40144;
constexpr std::int32_t kCommandFastForward = 40148;
constexpr std::int32_t kCommandJumpToFile = 40194;

}  // namespace marquill::winamp
