#pragma once

#include <windows.h>

#include <oleacc.h>

namespace marquill::win32 {

// What the user's accessibility settings ask of the window, and what the window tells assistive tools (Narrator,
// Voice Access, any UI Automation client) about its controls.
class Accessibility {
public:
    Accessibility() = default;
    Accessibility(const Accessibility&) = delete;
    Accessibility& operator=(const Accessibility&) = delete;
    virtual ~Accessibility() = default;

    // Whether a high-contrast theme is on (SPI_GETHIGHCONTRAST).
    virtual bool highContrast() const = 0;
    // Offers `control` to assistive tools as no place to type or press: not shown, not available.
    virtual void hideFromAssistiveTools(HWND control) = 0;
};

// The system's settings, and its store of annotations for the accessible objects of windows (IAccPropServices).
// Lives on the user-interface thread, for as long as the window.
class SystemAccessibility final : public Accessibility {
public:
    SystemAccessibility();
    ~SystemAccessibility() override;

    bool highContrast() const override;
    void hideFromAssistiveTools(HWND control) override;

private:
    bool comStarted_ = false;
    IAccPropServices* annotations_ = nullptr;  // null where the system has no such store
};

}  // namespace marquill::win32
