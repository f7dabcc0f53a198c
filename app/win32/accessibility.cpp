#include "app/win32/accessibility.h"

namespace marquill::win32 {

SystemAccessibility::SystemAccessibility() {
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&annotations_)))) {
        annotations_ = nullptr;
    }
}

SystemAccessibility::~SystemAccessibility() {
    if (annotations_) {
        annotations_->Release();
    }
    if (comStarted_) {
        CoUninitialize();
    }
}

bool SystemAccessibility::highContrast() const {
    HIGHCONTRASTW settings = {};
    settings.cbSize = sizeof settings;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof settings, &settings, 0) &&
           (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void SystemAccessibility::hideFromAssistiveTools(HWND control) {
    if (!annotations_) {
        return;
    }
    // The system's accessible object of the control keeps its role and name; its state says it is off the
    // screen, not to be shown and not available, which UI Automation reads as off-screen and not enabled.
    VARIANT state;
    VariantInit(&state);
    state.vt = VT_I4;
    state.lVal = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_UNAVAILABLE;
    annotations_->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_STATE, state);
}

}  // namespace marquill::win32
