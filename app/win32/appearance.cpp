#include "app/win32/appearance.h"

#include "app/main_window_description.h"

namespace marquill::win32 {
namespace {

COLORREF colourOf(const mainwindow::Colour& colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace

Appearance::Appearance(const DisplaySettings& display) : display_(display) {
    for (const mainwindow::ControlDescription& control : mainwindow::kControls) {
        if (control.background) {
            backgrounds_[control.id].reset(CreateSolidBrush(colourOf(*control.background)));
        }
    }
}

void Appearance::readSetting(HWND window) {
    const bool highContrast = display_.highContrast();
    if (highContrast != highContrast_) {
        highContrast_ = highContrast;
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

std::optional<LRESULT> Appearance::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: {
            const mainwindow::ControlDescription* control =
                mainwindow::findControl(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
            const auto brush = control ? backgrounds_.find(control->id) : backgrounds_.end();
            if (highContrast_ || brush == backgrounds_.end()) {
                return std::nullopt;  // the system's colours of the control's kind
            }
            SetBkColor(reinterpret_cast<HDC>(wParam), colourOf(*control->background));
            return reinterpret_cast<LRESULT>(brush->second.get());
        }
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            readSetting(window);
            break;
    }
    return std::nullopt;
}

}  // namespace marquill::win32
