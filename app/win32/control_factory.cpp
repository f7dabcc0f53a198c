#include "app/win32/control_factory.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/main_window_description.h"
#include "app/win32/newer_windows.h"
#include "app/win32/window_dpi.h"

namespace marquill::win32 {
namespace {

using mainwindow::ControlDescription;
using mainwindow::ControlKind;
namespace id = mainwindow::id;

constexpr int kIconResource = 1;
constexpr int kPictureIconPixels = 32;

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass classOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::OptionButton:
            // Not an automatic radio button: the group's controls are not adjacent in the window's order, so the
            // view checks the clicked one itself.
            return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0};
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::PushButton:
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::Label:
            // One line, cut at the right edge: a wrapped second line would fall outside the label's height.
            return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
        case ControlKind::Picture:
            return {L"STATIC", SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE, 0};
        case ControlKind::TextBox:
            // The title box holds what the program read; a key typed there by any route would be announced.
            return {L"EDIT", ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE};
        case ControlKind::MultiLineTextBox:
            // With the thin edge the load step's flat styling gives them: it then finds no frame to draw again.
            return {L"EDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_STATICEDGE};
        case ControlKind::Timer:
            break;
    }
    return {nullptr, 0, 0};
}

GdiObject<HFONT> createFont(int dpi, bool bold) {
    return GdiObject<HFONT>(CreateFontA(mainwindow::fontHeightPixels(dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                                        FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, mainwindow::kFontFace));
}

void createControl(HWND window,
                   HINSTANCE instance,
                   const ControlResources& resources,
                   const AnsiCodec& codec,
                   const ControlDescription& control) {
    const ControlClass kind = classOf(control.kind);
    const mainwindow::PixelRect rect = mainwindow::clientPixelRect(control, resources.dpi, resources.dpi);
    // The holders are no place for input of any kind, nor for the focus; UI Automation, which reads the windows
    // themselves, offers them as not enabled.
    const bool holder =
        std::find(mainwindow::kHolders.begin(), mainwindow::kHolders.end(), control.id) != mainwindow::kHolders.end();
    const DWORD style =
        WS_CHILD | WS_CLIPSIBLINGS | kind.style | (control.visible ? WS_VISIBLE : 0) | (holder ? WS_DISABLED : 0);
    const std::wstring text = mainwindow::initialText(control, codec);
    HWND created =
        CreateWindowExW(kind.exStyle, kind.className, text.c_str(), style, rect.left, rect.top, rect.width, rect.height,
                        window, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(control.id)), instance, nullptr);
    SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(resources.font(control.bold)), FALSE);
    if (control.kind == ControlKind::Picture) {
        SendMessageW(created, STM_SETICON, reinterpret_cast<WPARAM>(resources.picture.get()), 0);
    }
    if (control.kind == ControlKind::OptionButton) {
        // Windows clicks a radio button that gets the focus from the keyboard: Tab onto "AOL" would choose AOL.
        SendMessageW(created, kButtonSetDontClick, TRUE, 0);
    }
    if (control.kind == ControlKind::MultiLineTextBox) {
        SendMessageW(created, EM_SETLIMITTEXT, 0, 0);  // a template of any length, not the default 32,767
    }
}

OwnedIcon loadIcon(HINSTANCE instance, int size) {
    return OwnedIcon(
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size, 0)));
}

// None at the system's size, where the window class's icon serves.
OwnedIcon titleBarIcon(HINSTANCE instance, int metric, int dpi) {
    const int size = systemMetricForDpi(metric, dpi);
    return size == GetSystemMetrics(metric) ? OwnedIcon() : loadIcon(instance, size);
}

void setWindowIcons(HWND window, const ControlResources& resources) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(resources.bigIcon.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(resources.smallIcon.get()));
}

}  // namespace

ControlResources loadControlResources(HINSTANCE instance, int dpi) {
    ControlResources resources;
    resources.dpi = dpi;
    resources.picture = loadIcon(instance, kPictureIconPixels);
    resources.bigIcon = titleBarIcon(instance, SM_CXICON, dpi);
    resources.smallIcon = titleBarIcon(instance, SM_CXSMICON, dpi);
    resources.regularFont = createFont(dpi, false);
    resources.boldFont = createFont(dpi, true);
    return resources;
}

void createControls(HWND window, HINSTANCE instance, const ControlResources& resources, const AnsiCodec& codec) {
    for (const ControlDescription* control : mainwindow::stackingOrder()) {
        createControl(window, instance, resources, codec, *control);
    }
    SendMessageW(GetDlgItem(window, id::optFormate(0)), BM_SETCHECK, BST_CHECKED, 0);
}

void layOutControls(HWND window, const ControlResources& old, const ControlResources& next) {
    for (const ControlDescription* control : mainwindow::stackingOrder()) {
        const HWND created = GetDlgItem(window, control->id);
        const mainwindow::PixelRect rect = mainwindow::clientPixelRect(*control, next.dpi, next.dpi);
        SetWindowPos(created, nullptr, rect.left, rect.top, rect.width, rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
        const bool bold = reinterpret_cast<HFONT>(SendMessageW(created, WM_GETFONT, 0, 0)) == old.boldFont.get();
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(next.font(bold)), TRUE);
        if (control->kind == ControlKind::Picture) {
            SendMessageW(created, STM_SETICON, reinterpret_cast<WPARAM>(next.picture.get()), 0);
        }
    }
    setWindowIcons(window, next);
}

}  // namespace marquill::win32
