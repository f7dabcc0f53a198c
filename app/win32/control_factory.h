#pragma once

#include <windows.h>

#include <map>

#include "platform/ansi_codec.h"
#include "platform/win32/owners.h"

namespace marquill::win32 {

// BM_SETDONTCLICK, from Windows Vista on (the headers are set for XP): an option button told so is not clicked by
// the keyboard's focus arriving on it.
constexpr UINT kButtonSetDontClick = 0x00F8;

// What the controls are drawn with, made once for the screen's DPI and kept for the window's life.
struct ControlResources {
    int dpiX = 96;
    int dpiY = 96;
    HICON icon = nullptr;  // the program's icon, shared by the system
    GdiObject<HFONT> regularFont;
    GdiObject<HFONT> boldFont;
    std::map<int, GdiObject<HBRUSH>> backgrounds;  // by control id, for the controls with a colour of their own

    HFONT font(bool bold) const { return bold ? boldFont.get() : regularFont.get(); }
};

ControlResources loadControlResources(HINSTANCE instance);

// Creates the controls of the window's description on `window`, top of the stacking order first, each with its
// class, styles, text, place and font; the AIM option is checked.
void createControls(HWND window, HINSTANCE instance, const ControlResources& resources, const AnsiCodec& codec);

// For a control with a colour of its own: sets its text background and gives its brush; null for the others.
HBRUSH paintBackground(const ControlResources& resources, HWND control, HDC dc);

}  // namespace marquill::win32
