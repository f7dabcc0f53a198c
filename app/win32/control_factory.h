#pragma once

#include <windows.h>

#include "platform/ansi_codec.h"
#include "platform/win32/owners.h"

namespace marquill::win32 {

// What the window and its controls are drawn with at one DPI, made again when the window's DPI changes.
struct ControlResources {
    int dpi = 96;
    OwnedIcon picture;  // the picture's: the 32 x 32 image at every DPI, as the window shows it
    // The title bar's and the task switcher's, at this DPI's sizes; none where the window class's are of them.
    OwnedIcon bigIcon;
    OwnedIcon smallIcon;
    GdiObject<HFONT> regularFont;
    GdiObject<HFONT> boldFont;

    HFONT font(bool bold) const { return bold ? boldFont.get() : regularFont.get(); }
};

ControlResources loadControlResources(HINSTANCE instance, int dpi);

// Creates the controls of the window's description on `window`, top of the stacking order first, each with its
// class, styles, text, place and font; the AIM option is checked.
void createControls(HWND window, HINSTANCE instance, const ControlResources& resources, const AnsiCodec& codec);

// Places every control at its twips at `next`'s DPI, and gives each `next`'s font of the weight it has now in
// `old`'s, and the window `next`'s icons (none: the class's); `old` can then go.
void layOutControls(HWND window, const ControlResources& old, const ControlResources& next);

}  // namespace marquill::win32
