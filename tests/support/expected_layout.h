#pragma once

#include <array>
#include <string>
#include <string_view>

// The main window as a user sees it, written from the window's description in twips: each control's class, caption,
// place, weight of its text and whether it shows at start-up. Both the description's unit test and the end-to-end test
// of the real window check against this one table, so neither can agree with a wrong table of the program's own.
namespace marquill::test::layout {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

struct Pixels {
    int left;
    int top;
    int width;
    int height;
};

// Every control's text is Tahoma 8.25 pt, in one of two weights.
enum Font { kRegular, kBold };
enum Start { kShown, kHidden };  // whether the control is visible when the window first appears

struct ExpectedControl {
    const char* name;  // with its index for an array: "txtData(0)"
    const char* className;
    const char* caption;  // how a user tells it apart; null: by `ordinal`
    int ordinal;          // its place among the main window's children of its class, topmost first, from 1
    Twips rect;           // in its container: the frame's children in the frame, the others in the client area
    bool inFrame;
    Font font;  // a control without text (the picture) counts as regular
    Start start;
};

constexpr const char* kWindowClass = "MarquillAmpMain";

constexpr Twips kFrame{120, 120, 4935, 2775};
constexpr int kClientWidthTwips = 5175;
constexpr int kClientHeightTwips = 3825;

// clang-format off
inline constexpr std::array<ExpectedControl, 26> kControls{{
    {"optFormate(3)", "Button", "Mirc", 1, {1200, 3480, 975, 255}, false, kRegular, kShown},
    {"txtTitle", "Edit", nullptr, 1, {5280, 4920, 3255, 285}, false, kRegular, kShown},
    {"chkEnable", "Button", "Enable Marquill Amp", 2, {2640, 3480, 2415, 255}, false, kBold, kShown},
    {"Command1", "Button", "Command1", 3, {6480, 1800, 1095, 615}, false, kRegular, kShown},
    {"optFormate(2)", "Button", "Yahoo", 4, {360, 3480, 975, 255}, false, kRegular, kShown},
    {"optFormate(1)", "Button", "AOL", 5, {1200, 3240, 975, 255}, false, kRegular, kShown},
    {"optFormate(0)", "Button", "AIM", 6, {360, 3240, 975, 255}, false, kBold, kShown},
    {"cmdSave", "Button", "Save", 7, {3960, 2280, 855, 375}, true, kBold, kShown},
    {"txtData(3)", "Edit", nullptr, 2, {120, 240, 4695, 1335}, true, kBold, kHidden},
    {"txtData(2)", "Edit", nullptr, 3, {120, 240, 4695, 1335}, true, kBold, kHidden},
    {"txtData(1)", "Edit", nullptr, 4, {120, 240, 4695, 1335}, true, kBold, kHidden},
    {"txtData(0)", "Edit", nullptr, 5, {120, 240, 4695, 1335}, true, kBold, kShown},
    {"Image1", "Static", nullptr, 1, {4320, 1680, 480, 480}, true, kRegular, kShown},
    {"lblFace(6)", "Static", "%tl Tracks in play list", 2, {1800, 1680, 1575, 255}, true, kBold, kShown},
    {"lblFace(5)", "Static", "%d Date", 3, {1800, 2160, 855, 255}, true, kBold, kShown},
    {"lblFace(4)", "Static", "%t Time", 4, {1800, 1920, 855, 255}, true, kBold, kShown},
    {"lblFace(3)", "Static", "%tp Track Percent", 5, {120, 2400, 1575, 255}, true, kBold, kShown},
    {"lblFace(2)", "Static", "%tn Track Number", 6, {120, 2160, 1575, 255}, true, kBold, kShown},
    {"lblFace(1)", "Static", "%tt Track Time", 7, {120, 1920, 1215, 255}, true, kBold, kShown},
    {"lblFace(0)", "Static", "%s  Song Title", 8, {120, 1680, 1215, 255}, true, kBold, kShown},
    {"frmMesg", "Button", "Message", 8, kFrame, false, kBold, kShown},
    {"lblTotalTracks", "Static", nullptr, 9, {5280, 3480, 2535, 255}, false, kRegular, kShown},
    {"lblTrackPer", "Static", nullptr, 10, {5280, 3840, 2775, 255}, false, kRegular, kShown},
    {"lblTrackNumber", "Static", nullptr, 11, {5280, 4200, 2655, 255}, false, kRegular, kShown},
    {"lbltTime", "Static", nullptr, 12, {5280, 4560, 2895, 255}, false, kRegular, kShown},
    {"Label1", "Static", "Messenger", 13, {120, 3000, 1695, 255}, false, kBold, kShown},
}};
// clang-format on

// The control of that name; nullptr when the table has none.
constexpr const ExpectedControl* expectedControl(std::string_view name) {
    for (const ExpectedControl& control : kControls) {
        if (name == control.name) {
            return &control;
        }
    }
    return nullptr;
}

constexpr int pixelsOf(int twips, int dotsPerInch) {
    return (twips * dotsPerInch + 720) / 1440;
}

// Where the control must lie in the client area: each length to the nearest pixel, a frame child's offset added to
// the frame's own origin in pixels, as the frame would place it.
constexpr Pixels expectedPixels(const ExpectedControl& control, int dotsPerInchX, int dotsPerInchY) {
    const int left = control.inFrame ? pixelsOf(kFrame.left, dotsPerInchX) : 0;
    const int top = control.inFrame ? pixelsOf(kFrame.top, dotsPerInchY) : 0;
    return {left + pixelsOf(control.rect.left, dotsPerInchX), top + pixelsOf(control.rect.top, dotsPerInchY),
            pixelsOf(control.rect.width, dotsPerInchX), pixelsOf(control.rect.height, dotsPerInchY)};
}

}  // namespace marquill::test::layout

// The controls by their names in the table, as tests and tools name them.
namespace marquill::test::ui {

constexpr const char* kTxtTitle = "txtTitle";
constexpr const char* kLbltTime = "lbltTime";
constexpr const char* kLblTrackNumber = "lblTrackNumber";
constexpr const char* kLblTrackPer = "lblTrackPer";
constexpr const char* kLblTotalTracks = "lblTotalTracks";
constexpr const char* kChkEnable = "chkEnable";
constexpr const char* kCommand1 = "Command1";
constexpr const char* kCmdSave = "cmdSave";
constexpr const char* kFrmMesg = "frmMesg";
constexpr const char* kLabel1 = "Label1";
constexpr const char* kImage1 = "Image1";

inline std::string txtData(int index) {
    return "txtData(" + std::to_string(index) + ")";
}
inline std::string optFormate(int index) {
    return "optFormate(" + std::to_string(index) + ")";
}
inline std::string lblFace(int index) {
    return "lblFace(" + std::to_string(index) + ")";
}

}  // namespace marquill::test::ui
