#include "platform/win32/win32_event_pump.h"

#include <windows.h>

namespace marquill::win32 {

void Win32EventPump::processPendingEvents() {
    if (quitPending_) {
        Sleep(kIdleWaitMs);
        return;
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, kIdleWaitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            quitPending_ = true;
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace marquill::win32
