#pragma once

#include <cstdint>

#include "platform/window_services.h"

namespace marquill {

constexpr int kGwlStyle = -16;    // GWL_STYLE
constexpr int kGwlExStyle = -20;  // GWL_EXSTYLE

// Clears WS_EX_CLIENTEDGE (0x200) and sets WS_EX_STATICEDGE (0x20000).
constexpr std::uint32_t kFlatExStyleKeep = 0xFFFFFDFF;
constexpr std::uint32_t kFlatExStyleAdd = 0x00020000;
// Clears WS_BORDER, WS_DLGFRAME and WS_THICKFRAME (0x00C40000).
constexpr std::uint32_t kStripStyleKeep = 0xFF3BFFFF;
// SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED: recompute the frame, move nothing.
constexpr std::uint32_t kFrameChangedFlags = 0x37;

// Replaces a window's sunken edge with a thin flat one, then strips its frame.
void MakeFlat(WindowServices& windows, WindowHandle window);

// Removes the window's border and frames and makes the change take effect.
void StripBorder(WindowServices& windows, WindowHandle window);

}  // namespace marquill
