#include "app/win32/control_factory.h"

#include <cstdint>
#include <string>

#include "app/main_window_description.h"

namespace marquill::win32 {
namespace {

using mainwindow::ControlDescription;
using mainwindow::ControlKind;
namespace id = mainwindow::id;

constexpr int kIconResource = 1;

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
            return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::MultiLineTextBox:
            return {L"EDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::Timer:
            break;
    }
    return {nullptr, 0, 0};
}

GdiObject<HFONT> createFont(int dpiY, bool bold) {
    return GdiObject<HFONT>(CreateFontA(mainwindow::fontHeightPixels(dpiY), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                                        FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, mainwindow::kFontFace));
}

COLORREF colourOf(const mainwindow::Colour& colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

void createControl(HWND window,
                   HINSTANCE instance,
                   const ControlResources& resources,
                   const AnsiCodec& codec,
                   const ControlDescription& control) {
    const ControlClass kind = classOf(control.kind);
    const mainwindow::PixelRect rect = mainwindow::clientPixelRect(control, resources.dpiX, resources.dpiY);
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style | (control.visible ? WS_VISIBLE : 0);
    const std::wstring text = mainwindow::initialText(control, codec);
    HWND created =
        CreateWindowExW(kind.exStyle, kind.className, text.c_str(), style, rect.left, rect.top, rect.width, rect.height,
                        window, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(control.id)), instance, nullptr);
    SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(resources.font(control.bold)), FALSE);
    if (control.kind == ControlKind::Picture) {
        SendMessageW(created, STM_SETICON, reinterpret_cast<WPARAM>(resources.icon), 0);
    }
    if (control.kind == ControlKind::OptionButton) {
        // Windows clicks a radio button that gets the focus from the keyboard: Tab onto "AOL" would choose AOL.
        SendMessageW(created, kButtonSetDontClick, TRUE, 0);
    }
    if (control.kind == ControlKind::MultiLineTextBox) {
        SendMessageW(created, EM_SETLIMITTEXT, 0, 0);  // a template of any length, not the default 32,767
    }
}

}  // namespace

ControlResources loadControlResources(HINSTANCE instance) {
    ControlResources resources;
    const ScreenDc screen;
    if (screen.get()) {
        resources.dpiX = GetDeviceCaps(screen.get(), LOGPIXELSX);
        resources.dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    resources.icon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    resources.regularFont = createFont(resources.dpiY, false);
    resources.boldFont = createFont(resources.dpiY, true);
    for (const ControlDescription& control : mainwindow::kControls) {
        if (control.background) {
            resources.backgrounds[control.id].reset(CreateSolidBrush(colourOf(*control.background)));
        }
    }
    return resources;
}

void createControls(HWND window, HINSTANCE instance, const ControlResources& resources, const AnsiCodec& codec) {
    for (const ControlDescription* control : mainwindow::stackingOrder()) {
        createControl(window, instance, resources, codec, *control);
    }
    SendMessageW(GetDlgItem(window, id::optFormate(0)), BM_SETCHECK, BST_CHECKED, 0);
}

HBRUSH paintBackground(const ControlResources& resources, HWND control, HDC dc) {
    const ControlDescription* description = mainwindow::findControl(GetDlgCtrlID(control));
    const auto brush = description ? resources.backgrounds.find(description->id) : resources.backgrounds.end();
    if (brush == resources.backgrounds.end()) {
        return nullptr;
    }
    SetBkColor(dc, colourOf(*description->background));
    return brush->second.get();
}

}  // namespace marquill::win32
