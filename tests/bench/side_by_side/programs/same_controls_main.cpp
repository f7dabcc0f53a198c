#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "app/main_window_description.h"
#include "platform/win32/owners.h"
#include "platform/win32/win32_ansi_codec.h"

// The limit for the program's start-up and memory: a window of the same size with the same 26 standard controls,
// styles, texts and two fonts, created plainly, shown and then waiting for input. With "empty" the window alone.
// Usage: same_controls [empty]
namespace {

namespace mainwindow = marquill::mainwindow;
using mainwindow::ControlKind;

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct KindClass {
    ControlKind kind;
    const char* className;
    DWORD style;
    DWORD exStyle;
};

// clang-format off
constexpr KindClass kKindClasses[] = {
    {ControlKind::OptionButton,     "BUTTON", BS_RADIOBUTTON | WS_TABSTOP,    0},
    {ControlKind::CheckBox,         "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP,   0},
    {ControlKind::PushButton,       "BUTTON", BS_PUSHBUTTON | WS_TABSTOP,     0},
    {ControlKind::Frame,            "BUTTON", BS_GROUPBOX,                    0},
    {ControlKind::Label,            "STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0},
    {ControlKind::Picture,          "STATIC", SS_ICON | SS_CENTERIMAGE,       0},
    {ControlKind::TextBox,          "EDIT",   ES_AUTOHSCROLL | WS_TABSTOP,    WS_EX_CLIENTEDGE},
    {ControlKind::MultiLineTextBox, "EDIT",   ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                                              WS_EX_STATICEDGE},
};
// clang-format on

HFONT tahoma(int dpiY, bool bold) {
    return CreateFontA(mainwindow::fontHeightPixels(dpiY), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, mainwindow::kFontFace);
}

void createControls(HWND window, int dpiX, int dpiY) {
    const marquill::win32::Win32AnsiCodec codec;
    const HFONT regular = tahoma(dpiY, false);
    const HFONT bold = tahoma(dpiY, true);
    for (const mainwindow::ControlDescription& control : mainwindow::kControls) {
        for (const KindClass& kind : kKindClasses) {
            if (kind.kind != control.kind) {
                continue;
            }
            const mainwindow::PixelRect rect = mainwindow::clientPixelRect(control, dpiX, dpiY);
            const std::string text = codec.toAnsi(mainwindow::initialText(control, codec));
            const HWND created = CreateWindowExA(
                kind.exStyle, kind.className, text.c_str(),
                WS_CHILD | WS_CLIPSIBLINGS | kind.style | (control.visible ? WS_VISIBLE : 0), rect.left, rect.top,
                rect.width, rect.height, window, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(control.id)),
                GetModuleHandleA(nullptr), nullptr);
            SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(control.bold ? bold : regular), FALSE);
        }
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    const bool empty = argc > 1 && std::strcmp(argv[1], "empty") == 0;
    const marquill::win32::ScreenDc screen;
    const int dpiX = GetDeviceCaps(screen.get(), LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "SameControls";
    RegisterClassA(&windowClass);

    RECT frame = {0, 0, mainwindow::twipsToPixels(mainwindow::kClientWidthTwips, dpiX),
                  mainwindow::twipsToPixels(mainwindow::kClientHeightTwips, dpiY)};
    AdjustWindowRect(&frame, kWindowStyle, FALSE);
    const HWND window = CreateWindowA("SameControls", "Same controls", kWindowStyle,
                                      mainwindow::twipsToPixels(mainwindow::kClientLeftTwips, dpiX) + frame.left,
                                      mainwindow::twipsToPixels(mainwindow::kClientTopTwips, dpiY) + frame.top,
                                      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
    if (!empty) {
        createControls(window, dpiX, dpiY);
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
