#pragma once

#include <windows.h>

namespace marquill::win32 {

// What the user's display settings ask of the window: the scale of the monitor it is on, and a high-contrast theme.
class DisplaySettings {
public:
    DisplaySettings() = default;
    DisplaySettings(const DisplaySettings&) = delete;
    DisplaySettings& operator=(const DisplaySettings&) = delete;
    virtual ~DisplaySettings() = default;

    // The DPI `window` is drawn at now, which Windows sets before it tells the window of a change; `fallback` on a
    // system that cannot say.
    virtual int windowDpi(HWND window, int fallback) const = 0;
    // Whether a high-contrast theme is on (SPI_GETHIGHCONTRAST).
    virtual bool highContrast() const = 0;
};

class SystemDisplaySettings final : public DisplaySettings {
public:
    int windowDpi(HWND window, int fallback) const override;
    bool highContrast() const override;
};

}  // namespace marquill::win32
