#include "app/win32/session_copy.h"

#include <string>

#include "app/main_window_description.h"
#include "platform/window_services.h"

namespace marquill::win32 {
namespace {

constexpr const wchar_t* kPlaceName = L"Local\\MarquillAmp.RunningCopy";

}  // namespace

UINT bringBackMessage() {
    return RegisterWindowMessageW(L"MarquillAmp.BringBack");
}

SessionCopy::~SessionCopy() {
    if (held_) {
        ReleaseMutex(place_.get());
    }
}

Place SessionCopy::take() {
    place_.reset(CreateMutexW(nullptr, TRUE, kPlaceName));
    if (place_) {
        held_ = GetLastError() != ERROR_ALREADY_EXISTS;
        return held_ ? Place::Held : Place::Waitable;
    }
    if (GetLastError() != ERROR_ACCESS_DENIED) {
        return Place::Unavailable;
    }
    // A copy started as administrator, or at another integrity level, made a place that this start may not open
    // for all access: open it to wait on it where that is allowed.
    place_.reset(OpenMutexW(SYNCHRONIZE, FALSE, kPlaceName));
    if (place_) {
        return Place::Waitable;
    }
    return GetLastError() == ERROR_ACCESS_DENIED ? Place::Refused : Place::Gone;
}

bool SessionCopy::waitToHold(std::uint32_t ms) {
    if (!place_) {
        Sleep(ms);
        return false;
    }
    const DWORD result = WaitForSingleObject(place_.get(), ms);
    held_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    return held_;
}

bool SessionCopy::bringBackRunningCopy() {
    const std::string className = mainwindow::kWindowClass;
    const HWND window = FindWindowW(std::wstring(className.begin(), className.end()).c_str(), nullptr);
    if (window == nullptr) {
        return false;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    AllowSetForegroundWindow(processId);  // this start came from the user, so the copy may come to the front
    DWORD_PTR reply = 0;
    return SendMessageTimeoutW(window, bringBackMessage(), 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &reply) != 0 &&
           reply == static_cast<DWORD_PTR>(kBroughtBack);
}

}  // namespace marquill::win32
