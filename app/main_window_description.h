#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/chat_clients.h"
#include "platform/ansi_codec.h"

// The main window as data: every control with its kind, Win32 id, text, place, font, colour, visibility and tab
// index. The real window is built from this table, and tests outside the program find and check controls by it.
//
// Every control is a child of the main window itself, the frame's children included: they lie over the frame,
// placed by the frame's origin plus their own offset, so GetDlgItem(main, id) finds each of them and their
// notifications reach the main window directly (a group box would swallow them).
namespace marquill::mainwindow {

constexpr const char* kWindowClass = "MarquillAmpMain";

constexpr int kTwipsPerInch = 1440;
constexpr int kClientWidthTwips = 5175;
constexpr int kClientHeightTwips = 3825;
constexpr int kClientLeftTwips = 3330;  // where the client area is first placed on the screen
constexpr int kClientTopTwips = 3450;

constexpr const char* kFontFace = "Tahoma";
constexpr int kFontSizeHundredthsOfPoint = 825;

constexpr std::uint32_t kTimerIntervalMs = 5;

enum class ControlKind { OptionButton, Timer, TextBox, MultiLineTextBox, CheckBox, PushButton, Frame, Label, Picture };

struct Colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr int kNoIndex = -1;     // a control that is not part of an array
constexpr int kNoTabIndex = -1;  // the timer and the picture

// Names: `name` is each control's requirement name (frmMesg, txtData, optFormate, Command1 ...); the ids and the
// fields follow the house style.
struct ControlDescription {
    const char* name;
    int index;
    ControlKind kind;
    int id;  // Win32 control id; the timer's id for SetTimer
    // ANSI bytes. Null for the template boxes: they start with their client's default template.
    const char* text;
    TwipsRect rect;  // from the top-left corner of the container
    bool inFrame;    // contained by frmMesg, so `rect` is relative to the frame
    bool bold;
    std::optional<Colour> background;  // none: the system colour of the control's kind
    bool visible;
    int tabIndex;
};

// Control ids. The array controls take consecutive ids from their base, index 0 first.
namespace id {
constexpr int kFrmMesg = 100;
constexpr int kTxtData = 110;
constexpr int kLblFace = 120;
constexpr int kOptFormate = 130;
constexpr int kLabel1 = 140;
constexpr int kCommand1 = 141;
constexpr int kChkEnable = 142;
constexpr int kTxtTitle = 143;
constexpr int kLbltTime = 144;
constexpr int kLblTrackNumber = 145;
constexpr int kLblTrackPer = 146;
constexpr int kLblTotalTracks = 147;
constexpr int kImage1 = 148;
constexpr int kCmdSave = 149;
constexpr int kTmrAmp = 150;

constexpr int txtData(int index) {
    return kTxtData + index;
}
constexpr int lblFace(int index) {
    return kLblFace + index;
}
constexpr int optFormate(int index) {
    return kOptFormate + index;
}
}  // namespace id

// The holders of what the program reads from the player: the title box and the four track labels.
constexpr std::array<int, 5> kHolders = {id::kTxtTitle, id::kLbltTime, id::kLblTrackNumber, id::kLblTrackPer,
                                         id::kLblTotalTracks};

constexpr Colour kGrey{128, 128, 128};
constexpr Colour kSilver{192, 192, 192};
constexpr std::optional<Colour> kSystemColour;

// In the order of the window's description.
// clang-format off
inline constexpr std::array<ControlDescription, 27> kControls{{
    {"optFormate", 3, ControlKind::OptionButton, id::optFormate(3), kClients[3].name, {1200, 3480, 975, 255},
     false, false, kSystemColour, true, 23},
    {"tmrAmp", kNoIndex, ControlKind::Timer, id::kTmrAmp, "", {0, 0, 0, 0}, false, false, kSystemColour, false,
     kNoTabIndex},
    {"txtTitle", kNoIndex, ControlKind::TextBox, id::kTxtTitle, "", {5280, 4920, 3255, 285}, false, false,
     kSystemColour, true, 16},
    {"chkEnable", kNoIndex, ControlKind::CheckBox, id::kChkEnable, "Enable Marquill Amp", {2640, 3480, 2415, 255},
     false, true, kSystemColour, true, 15},
    {"Command1", kNoIndex, ControlKind::PushButton, id::kCommand1, "Command1", {6480, 1800, 1095, 615}, false, false,
     kSystemColour, true, 12},
    {"optFormate", 2, ControlKind::OptionButton, id::optFormate(2), kClients[2].name, {360, 3480, 975, 255},
     false, false, kSystemColour, true, 10},
    {"optFormate", 1, ControlKind::OptionButton, id::optFormate(1), kClients[1].name, {1200, 3240, 975, 255},
     false, false, kSystemColour, true, 9},
    {"optFormate", 0, ControlKind::OptionButton, id::optFormate(0), kClients[0].name, {360, 3240, 975, 255},
     false, true, kSystemColour, true, 8},
    {"frmMesg", kNoIndex, ControlKind::Frame, id::kFrmMesg, "Message", {120, 120, 4935, 2775}, false, true,
     kSystemColour, true, 0},
    {"lblTotalTracks", kNoIndex, ControlKind::Label, id::kLblTotalTracks, "", {5280, 3480, 2535, 255}, false, false,
     kSystemColour, true, 20},
    {"lblTrackPer", kNoIndex, ControlKind::Label, id::kLblTrackPer, "", {5280, 3840, 2775, 255}, false, false, kGrey,
     true, 19},
    {"lblTrackNumber", kNoIndex, ControlKind::Label, id::kLblTrackNumber, "", {5280, 4200, 2655, 255}, false, false,
     kGrey, true, 18},
    {"lbltTime", kNoIndex, ControlKind::Label, id::kLbltTime, "", {5280, 4560, 2895, 255}, false, false, kSilver,
     true, 17},
    {"Label1", kNoIndex, ControlKind::Label, id::kLabel1, "Messenger", {120, 3000, 1695, 255}, false, true,
     kSystemColour, true, 11},
    // The frame's children: the frame's bold font applies to all of them that show text.
    {"cmdSave", kNoIndex, ControlKind::PushButton, id::kCmdSave, "Save", {3960, 2280, 855, 375}, true, true,
     kSystemColour, true, 24},
    {"txtData", 3, ControlKind::MultiLineTextBox, id::txtData(3), nullptr, {120, 240, 4695, 1335}, true, true,
     Colour{255, 255, 255}, false, 22},
    {"txtData", 2, ControlKind::MultiLineTextBox, id::txtData(2), nullptr, {120, 240, 4695, 1335}, true, true,
     Colour{238, 223, 242}, false, 14},
    {"txtData", 1, ControlKind::MultiLineTextBox, id::txtData(1), nullptr, {120, 240, 4695, 1335}, true, true,
     Colour{212, 228, 244}, false, 13},
    {"txtData", 0, ControlKind::MultiLineTextBox, id::txtData(0), nullptr, {120, 240, 4695, 1335}, true, true,
     Colour{255, 251, 240}, true, 1},
    {"Image1", kNoIndex, ControlKind::Picture, id::kImage1, "", {4320, 1680, 480, 480}, true, false, kSystemColour,
     true, kNoTabIndex},
    {"lblFace", 6, ControlKind::Label, id::lblFace(6), "%tl Tracks in play list", {1800, 1680, 1575, 255}, true, true,
     kSystemColour, true, 21},
    {"lblFace", 5, ControlKind::Label, id::lblFace(5), "%d Date", {1800, 2160, 855, 255}, true, true, kSystemColour,
     true, 7},
    {"lblFace", 4, ControlKind::Label, id::lblFace(4), "%t Time", {1800, 1920, 855, 255}, true, true, kSystemColour,
     true, 6},
    {"lblFace", 3, ControlKind::Label, id::lblFace(3), "%tp Track Percent", {120, 2400, 1575, 255}, true, true,
     kSystemColour, true, 5},
    {"lblFace", 2, ControlKind::Label, id::lblFace(2), "%tn Track Number", {120, 2160, 1575, 255}, true, true,
     kSystemColour, true, 4},
    {"lblFace", 1, ControlKind::Label, id::lblFace(1), "%tt Track Time", {120, 1920, 1215, 255}, true, true,
     kSystemColour, true, 3},
    {"lblFace", 0, ControlKind::Label, id::lblFace(0), "%s  Song Title", {120, 1680, 1215, 255}, true, true,
     kSystemColour, true, 2},
}};
// clang-format on

// Twips to pixels at `dotsPerInch`, to the nearest pixel (15 twips per pixel at 96 DPI).
constexpr int twipsToPixels(int twips, int dotsPerInch) {
    return (twips * dotsPerInch + kTwipsPerInch / 2) / kTwipsPerInch;
}

// The font height to ask the system for (negative: character height), 11 pixels at 96 DPI.
constexpr int fontHeightPixels(int dotsPerInch) {
    return -((kFontSizeHundredthsOfPoint * dotsPerInch + 3600) / 7200);
}

// The control with this id; nullptr when there is none.
const ControlDescription* findControl(int controlId);

// Whether a control of this kind can hold the keyboard focus: labels, the frame, the picture and the timer cannot.
constexpr bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Frame && kind != ControlKind::Label && kind != ControlKind::Picture &&
           kind != ControlKind::Timer;
}

// The windows to create, top of the stacking order first: the description's order, so that of two overlapping
// option buttons the later one (AOL over AIM, Mirc over Yahoo) shows its button, with the frame's children directly
// above the frame. The timer has no window.
std::vector<const ControlDescription*> stackingOrder();

// The ids of the controls Tab walks, in its order: those that can hold the focus, by tab index, but none placed
// outside the client area: the focus there is invisible, and each key typed into the title box would be announced
// to every chat. Decided by the description rather than by WS_TABSTOP, which an option button loses whenever it
// is unchecked.
std::vector<int> tabOrder();

// Where a control lies in the main window's client area, in pixels. A frame child's offset is converted on its own
// and added to the frame's converted origin, as its container places it.
PixelRect clientPixelRect(const ControlDescription& control, int dotsPerInchX, int dotsPerInchY);

// The text a control is created with: its own, or for a template box its client's default template.
std::wstring initialText(const ControlDescription& control, const AnsiCodec& codec);

}  // namespace marquill::mainwindow
