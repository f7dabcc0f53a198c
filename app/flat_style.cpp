#include "app/flat_style.h"

namespace marquill {

void MakeFlat(WindowServices& windows, WindowHandle window) {
    const auto exStyle = static_cast<std::uint32_t>(windows.getWindowLong(window, kGwlExStyle));
    windows.setWindowLong(window, kGwlExStyle,
                          static_cast<std::int32_t>((exStyle & kFlatExStyleKeep) | kFlatExStyleAdd));
    StripBorder(windows, window);
}

void StripBorder(WindowServices& windows, WindowHandle window) {
    const auto style = static_cast<std::uint32_t>(windows.getWindowLong(window, kGwlStyle));
    windows.setWindowLong(window, kGwlStyle, static_cast<std::int32_t>(style & kStripStyleKeep));
    windows.setWindowPos(window, 0, 0, 0, 0, 0, kFrameChangedFlags);
}

}  // namespace marquill
