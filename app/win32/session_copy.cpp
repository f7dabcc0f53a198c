#include "app/win32/session_copy.h"

#include <string>

#include "app/main_window_description.h"
#include "platform/window_services.h"

namespace marquill::win32 {
namespace {

constexpr const wchar_t* kPlaceName = L"Local\\MarquillAmp.RunningCopy";
constexpr DWORD kPollMs = 50;

// Asks the running copy's window, if there is one yet, to come back; true when it did.
bool broughtBack() {
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

}  // namespace

UINT bringBackMessage() {
    return RegisterWindowMessageW(L"MarquillAmp.BringBack");
}

SessionCopy::~SessionCopy() {
    if (held_) {
        ReleaseMutex(place_.get());
    }
}

bool SessionCopy::claim() {
    place_.reset(CreateMutexW(nullptr, TRUE, kPlaceName));
    if (!place_ && GetLastError() == ERROR_ACCESS_DENIED) {
        // A copy started as administrator, or at another integrity level, made a place that this start may not
        // open for all access: it runs all the same. Open the place to wait on it where that is allowed.
        place_.reset(OpenMutexW(SYNCHRONIZE, FALSE, kPlaceName));
        if (!place_ && GetLastError() != ERROR_ACCESS_DENIED) {
            return true;  // gone in between, or unreachable: run alone
        }
    } else if (!place_) {
        return true;  // no place to keep: run, as before there was one
    } else if (GetLastError() != ERROR_ALREADY_EXISTS) {
        held_ = true;
        return true;
    }
    // A copy runs, or is starting (its window not made yet), or is closing (it gives the place up on its way out).
    for (const DWORD start = GetTickCount(); GetTickCount() - start < kAnswerTimeoutMs;) {
        if (broughtBack()) {
            return false;
        }
        if (!place_) {
            Sleep(kPollMs);  // a place not even open for waiting: only its window can answer
            continue;
        }
        const DWORD result = WaitForSingleObject(place_.get(), kPollMs);
        if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {
            held_ = true;
            return true;
        }
    }
    return false;  // it runs but does not answer: a second copy would announce twice once it recovers
}

}  // namespace marquill::win32
