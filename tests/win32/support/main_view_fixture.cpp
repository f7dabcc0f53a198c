#include "tests/win32/support/main_view_fixture.h"

#include <set>
#include <vector>

#include "app/main_window_description.h"
#include "app/win32/newer_windows.h"
#include "app/win32/session_copy.h"
#include "platform/win32/window_procedure.h"
#include "tests/support/expected_layout.h"

namespace marquill::win32 {
namespace {

namespace layout = test::layout;
namespace id = mainwindow::id;

// The control a row of the expected layout names, by the window description's id.
int idOf(const std::string& name) {
    for (const mainwindow::ControlDescription& control : mainwindow::kControls) {
        const std::string index =
            control.index == mainwindow::kNoIndex ? "" : "(" + std::to_string(control.index) + ")";
        if (name == control.name + index) {
            return control.id;
        }
    }
    return 0;
}

std::set<HWND> toldNotToClick;
LRESULT* answerBeforeLoad = nullptr;

LRESULT CALLBACK noteDontClick(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == kButtonSetDontClick) {
        if (sent->wParam) {
            toldNotToClick.insert(sent->hwnd);
        } else {
            toldNotToClick.erase(sent->hwnd);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK sendBeforeLoad(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_CREATE && GetParent(sent->hwnd) == nullptr) {
        *answerBeforeLoad = SendMessageW(sent->hwnd, bringBackMessage(), 0, 0);
        SendMessageW(sent->hwnd, WM_COMMAND, MAKEWPARAM(id::kChkEnable, BN_CLICKED), 0);
        SendMessageW(sent->hwnd, WM_TIMER, id::kTmrAmp, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

std::string classOf(HWND window) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string textOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring wideTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

LRESULT ClickedByFocus::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(original, window, message, wParam, lParam);
    if (message == WM_SETFOCUS && toldNotToClick.count(window) == 0) {
        SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                     reinterpret_cast<LPARAM>(window));
    }
    return result;
}

MainViewTest::~MainViewTest() {
    ui.run([this] { view.reset(); });
}

void MainViewTest::create() {
    ui.run([this] {
        if (view) {
            view.reset();
            MSG quit;  // the window's end ends its thread's loop: this thread goes on with the next one
            PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        }
        toldNotToClick.clear();
        answerBeforeLoad = &broughtBackBeforeLoad;
        const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, noteDontClick, nullptr, GetCurrentThreadId());
        const HHOOK early = SetWindowsHookExW(WH_CALLWNDPROC, sendBeforeLoad, nullptr, GetCurrentThreadId());
        view = std::make_unique<Win32MainView>(GetModuleHandleW(nullptr), codec, display);
        created = view->create(MainServices{windows, clock, events, codec, files, memory});
        UnhookWindowsHookEx(early);
        UnhookWindowsHookEx(hook);
        for (int option = 0; option < 4 && created; ++option) {
            const HWND button = GetDlgItem(view->window(), id::optFormate(option));
            options[option].original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_WNDPROC));
            attachWindow(button, &options[option]);
            SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(attachedWindowProc<ClickedByFocus>));
        }
    });
}

HWND MainViewTest::control(const std::string& name) const {
    return GetDlgItem(view->window(), idOf(name));
}

RECT MainViewTest::frameAt(int dpi) const {
    using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = reinterpret_cast<Adjust>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    RECT frame = {0, 0, layout::pixelsOf(layout::kClientWidthTwips, dpi),
                  layout::pixelsOf(layout::kClientHeightTwips, dpi)};
    adjust(&frame, static_cast<DWORD>(GetWindowLongW(view->window(), GWL_STYLE)), FALSE, 0, static_cast<UINT>(dpi));
    return frame;
}

void MainViewTest::expectLaidOutAt(int dpi, bool clientArea) const {
    RECT client;
    GetClientRect(view->window(), &client);
    if (clientArea) {
        EXPECT_EQ(client.right, layout::pixelsOf(layout::kClientWidthTwips, dpi)) << dpi;
        EXPECT_EQ(client.bottom, layout::pixelsOf(layout::kClientHeightTwips, dpi)) << dpi;
    }
    for (const layout::ExpectedControl& expected : layout::kControls) {
        const std::string name = expected.name;
        const HWND window = control(name);
        const layout::Pixels pixels = layout::expectedPixels(expected, dpi, dpi);
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, view->window(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}),
                  (std::vector<LONG>{pixels.left, pixels.top, pixels.width, pixels.height}))
            << name << " at " << dpi;
        if (name == "Image1") {
            continue;  // a picture draws no text
        }
        LOGFONTA font = {};
        ASSERT_NE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font), 0)
            << name;
        EXPECT_STREQ(font.lfFaceName, "Tahoma") << name;
        EXPECT_EQ(font.lfHeight, -MulDiv(825, dpi, 7200)) << name << ": 8.25 pt at " << dpi;
        EXPECT_EQ(font.lfWeight, expected.weight == layout::kBold ? FW_BOLD : FW_NORMAL) << name << " at " << dpi;
    }
}

}  // namespace marquill::win32
