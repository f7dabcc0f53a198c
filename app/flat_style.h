#pragma once

#include <cstdint>

#include "platform/win32_numbers.h"
#include "platform/window_services.h"

namespace marquill {

// The sunken edge gives way to the thin one: 0xFFFFFDFF, then 0x00020000.
constexpr std::uint32_t kFlatExStyleKeep = ~ws::kExClientEdge;
constexpr std::uint32_t kFlatExStyleAdd = ws::kExStaticEdge;
// No border, dialog frame or sizing frame: 0xFF3BFFFF.
constexpr std::uint32_t kStripStyleKeep = ~(ws::kBorder | ws::kDialogFrame | ws::kThickFrame);
// Recompute the frame, move nothing: 0x37.
constexpr std::uint32_t kFrameChangedFlags =
    swp::kNoSize | swp::kNoMove | swp::kNoZOrder | swp::kNoActivate | swp::kFrameChanged;

// Replaces a window's sunken edge with a thin flat one, then strips its frame.
void MakeFlat(WindowServices& windows, WindowHandle window);

// Removes the window's border and frames and makes the change take effect.
void StripBorder(WindowServices& windows, WindowHandle window);

}  // namespace marquill
