#pragma once

#include <cstdint>

#include "app/version.h"
#include "platform/win32_numbers.h"
#include "platform/window_services.h"

namespace marquill {

constexpr std::uint32_t kTrayIconId = 1;
constexpr std::uint32_t kTrayFlags = nif::kMessage | nif::kIcon | nif::kTip;  // 7
constexpr std::uint32_t kTrayCallbackMessage = wm::kMouseMove;  // the icon's reports arrive as mouse moves
// How often, and how far apart, an icon the shell did not take is offered again while the window waits on the
// taskbar: a busy shell gives up on a call after a few seconds, and answers again soon after.
constexpr int kTrayRetries = 5;
constexpr std::uint32_t kTrayRetryIntervalMs = 2000;
// " MarquillAmp 1 ": the caption's name and major version, a blank on either side.
constexpr const char* kTrayTip = " " MARQUILL_PRODUCT_NAME " " MARQUILL_VERSION_MAJOR_TEXT " ";

// The tray record: cbSize 88, the window, id 1, flags 7, callback 512, the icon, then the tip, one NUL and
// blanks to the full 64 bytes. Little-endian, no padding.
TrayRecordBytes fillTrayIconData(WindowHandle window, std::uint32_t icon);

// Whether a mouse message reported by the tray icon brings the window back: the release of the left button, a
// double click, and also the release of the right button, since the icon has no menu that a right click could open.
bool restoresFromTray(std::int32_t mouseMessage);

}  // namespace marquill
