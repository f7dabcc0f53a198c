#include "app/win32/display_settings.h"

#include "app/win32/later_user32.h"

namespace marquill::win32 {

int SystemDisplaySettings::windowDpi(HWND window, int fallback) const {
    using GetDpi = UINT(WINAPI*)(HWND);
    const auto getDpi = laterUser32Function<GetDpi>("GetDpiForWindow");  // Windows 10 1607 on
    const UINT dpi = getDpi ? getDpi(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : fallback;
}

bool SystemDisplaySettings::highContrast() const {
    HIGHCONTRASTW settings = {};
    settings.cbSize = sizeof settings;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof settings, &settings, 0) &&
           (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace marquill::win32
