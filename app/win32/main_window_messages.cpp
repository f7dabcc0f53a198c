#include <windowsx.h>

#include <cstdint>
#include <optional>

#include "app/chat_clients.h"
#include "app/main_window_description.h"
#include "app/win32/session_copy.h"
#include "app/win32/win32_main_view.h"

// The main window's message dispatch: each message to the controller's handler for it, or to the home of the
// window's DPI, of its colours or of the keyboard focus.
namespace marquill::win32 {
namespace {

namespace id = mainwindow::id;

}  // namespace

LRESULT Win32MainView::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        window_ = window;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
    }
    if (!controller_ || window != window_) {
        return DefWindowProcW(window, message, wParam, lParam);  // before the load event, and once ended
    }
    return dispatch(message, wParam, lParam);
}

LRESULT Win32MainView::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        controller_->shellRestarted();
        return 0;
    }
    if (message == bringBack_ && bringBack_ != 0) {
        controller_->startedAgain();
        return kBroughtBack;
    }
    switch (message) {
        case WM_COMMAND:
            command(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == static_cast<WPARAM>(id::kTmrAmp)) {
                controller_->tick();
            } else if (wParam == kTrayRetryTimer) {
                controller_->trayRetryTick();
            }
            return 0;
        case WM_SIZE:
            controller_->resized();
            return 0;
        case WM_MOUSEMOVE:
            controller_->mouseMoved(GET_X_LPARAM(lParam));
            return 0;
        case WM_CLOSE:
            controller_->queryUnload();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) {
                controller_->queryUnload();
            }
            return 0;
    }
    if (const std::optional<LRESULT> answer = dpi_.handle(window_, message, wParam, lParam)) {
        return *answer;
    }
    if (const std::optional<LRESULT> answer = appearance_.handle(window_, message, wParam, lParam)) {
        return *answer;
    }
    return focus(message, wParam, lParam);
}

LRESULT Win32MainView::focus(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                keyboard_.deactivated(window_);
            }
            break;
        case WM_SETFOCUS:
            keyboard_.focused(window_);
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32MainView::command(int control, int notification) {
    if (control == id::kTxtTitle && notification == EN_CHANGE) {
        // An edit control notifies every WM_SETTEXT, also of the text it holds; only a real change is one.
        std::wstring title = text(id::kTxtTitle);
        if (title != title_) {
            title_ = std::move(title);
            controller_->titleChanged();
        }
        return;
    }
    if (notification != BN_CLICKED) {
        return;
    }
    if (control >= id::optFormate(0) && control < id::optFormate(kClientCount)) {
        optionClicked(control);
    } else if (control == id::kChkEnable) {
        controller_->enableClicked();
    } else if (control == id::kCommand1) {
        controller_->command1Clicked();
    } else if (control == id::kCmdSave) {
        controller_->saveClicked();
    }
}

void Win32MainView::optionClicked(int control) {
    for (int option = 0; option < kClientCount; ++option) {
        SendMessageW(item(id::optFormate(option)), BM_SETCHECK,
                     id::optFormate(option) == control ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    controller_->optionClicked(static_cast<std::int16_t>(control - id::optFormate(0)));
}

}  // namespace marquill::win32
