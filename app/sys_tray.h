#pragma once

#include <cstdint>

#include "platform/window_messages.h"
#include "platform/window_services.h"

namespace marquill {

constexpr std::uint32_t kNotifyIconAdd = 0;     // NIM_ADD
constexpr std::uint32_t kNotifyIconDelete = 2;  // NIM_DELETE
constexpr std::uint32_t kTrayIconId = 1;
constexpr std::uint32_t kTrayFlags = 7;                         // NIF_MESSAGE | NIF_ICON | NIF_TIP
constexpr std::uint32_t kTrayCallbackMessage = wm::kMouseMove;  // the icon's reports arrive as mouse moves
constexpr const char* kTrayTip = " MarquillAmp 1 ";

// The tray record: cbSize 88, the window, id 1, flags 7, callback 512, the icon, then the tip, one NUL and
// blanks to the full 64 bytes. Little-endian, no padding.
TrayRecordBytes fillTrayIconData(WindowHandle window, std::uint32_t icon);

// Whether a mouse message reported by the tray icon brings the window back: the release of the left button, a
// double click, and also the release of the right button, since the icon has no menu that a right click could open.
bool restoresFromTray(std::int32_t mouseMessage);

}  // namespace marquill
