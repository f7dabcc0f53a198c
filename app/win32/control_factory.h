#pragma once

#include <windows.h>

#include <map>

#include "platform/ansi_codec.h"
#include "platform/win32/owners.h"

namespace marquill::win32 {

// BM_SETDONTCLICK, from Windows Vista on (the headers are set for XP): an option button told so is not clicked by
// the keyboard's focus arriving on it.
constexpr UINT kButtonSetDontClick = 0x00F8;

// What the window and its controls are drawn with at one DPI, made again when the window's DPI changes.
struct ControlResources {
    int dpi = 96;
    OwnedIcon picture;  // the picture's: the 32 x 32 image at every DPI, as the window shows it
    // The title bar's and the task switcher's, at this DPI's sizes; none where the window class's are of them.
    OwnedIcon bigIcon;
    OwnedIcon smallIcon;
    GdiObject<HFONT> regularFont;
    GdiObject<HFONT> boldFont;
    std::map<int, GdiObject<HBRUSH>> backgrounds;  // by control id, for the controls with a colour of their own

    HFONT font(bool bold) const { return bold ? boldFont.get() : regularFont.get(); }
};

ControlResources loadControlResources(HINSTANCE instance, int dpi);

// Creates the controls of the window's description on `window`, top of the stacking order first, each with its
// class, styles, text, place and font; the AIM option is checked.
void createControls(HWND window, HINSTANCE instance, const ControlResources& resources, const AnsiCodec& codec);

// Places every control at its twips at `next`'s DPI, and gives each `next`'s font of the weight it has now in
// `old`'s, and the window `next`'s icons (none: the class's); `old` can then go.
void layOutControls(HWND window, const ControlResources& old, const ControlResources& next);

// For a control with a colour of its own: sets its text background and gives its brush; null for the others.
HBRUSH paintBackground(const ControlResources& resources, HWND control, HDC dc);

}  // namespace marquill::win32
