#include "app/flat_style.h"

namespace marquill {

void MakeFlat(WindowServices& windows, WindowHandle window) {
    const auto exStyle = static_cast<std::uint32_t>(windows.getWindowLong(window, gwl::kExStyle));
    windows.setWindowLong(window, gwl::kExStyle,
                          static_cast<std::int32_t>((exStyle & kFlatExStyleKeep) | kFlatExStyleAdd));
    StripBorder(windows, window);
}

void StripBorder(WindowServices& windows, WindowHandle window) {
    const auto style = static_cast<std::uint32_t>(windows.getWindowLong(window, gwl::kStyle));
    windows.setWindowLong(window, gwl::kStyle, static_cast<std::int32_t>(style & kStripStyleKeep));
    windows.setWindowPos(window, 0, 0, 0, 0, 0, kFrameChangedFlags);
}

}  // namespace marquill
