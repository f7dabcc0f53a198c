#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/main_window_description.h"
#include "platform/win32/owners.h"
#include "tests/support/expected_defaults.h"
#include "tests/support/expected_layout.h"
#include "tests/win32/support/main_view_fixture.h"

namespace marquill::win32 {
namespace {

namespace layout = test::layout;

// What the controls are made of, by the kind a user sees: an option that is no radio button, a template box that
// is no multi-line box or keeps its sunken edge, is another control from the one described.
struct ExpectedStyle {
    const char* namePrefix;
    DWORD styleMask;
    DWORD style;
    DWORD exStyleMask;
    DWORD exStyle;
};

constexpr DWORD kEdges = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
constexpr DWORD kFrames = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME;
constexpr ExpectedStyle kStyles[] = {
    {"optFormate", BS_TYPEMASK, BS_RADIOBUTTON, 0, 0},
    {"chkEnable", BS_TYPEMASK | WS_TABSTOP, BS_AUTOCHECKBOX | WS_TABSTOP, 0, 0},
    {"Command1", BS_TYPEMASK | WS_TABSTOP, BS_PUSHBUTTON | WS_TABSTOP, 0, 0},
    {"cmdSave", BS_TYPEMASK | WS_TABSTOP | kFrames, BS_PUSHBUTTON | WS_TABSTOP, kEdges, WS_EX_STATICEDGE},
    {"frmMesg", BS_TYPEMASK | WS_TABSTOP, BS_GROUPBOX, 0, 0},
    {"txtData", ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP | kFrames,
     ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP, kEdges, WS_EX_STATICEDGE},
    {"txtTitle", ES_MULTILINE | ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP, ES_AUTOHSCROLL | ES_READONLY, kEdges,
     WS_EX_CLIENTEDGE},
    {"Image1", SS_TYPEMASK, SS_ICON, 0, 0},
    {"lbl", SS_TYPEMASK | SS_NOPREFIX | WS_TABSTOP, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0},
    {"Label1", SS_TYPEMASK | SS_NOPREFIX | WS_TABSTOP, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0},
};

// Every control as the layout describes it: its class, kind, edge, text, place, font and visibility. A control
// off by a pixel, in another font or weight, or shown when it should not be, is a different window from the one
// users know. The title box and the track labels, which hold what the program read, are disabled windows without a
// tab stop: no focus and no input reach them, and UI Automation, which reads the windows themselves, offers them
// to assistive tools as not enabled.
TEST_F(MainViewTest, BuildsEveryControlAsTheLayoutDescribes) {
    ASSERT_TRUE(created);
    const ScreenDc screen;
    const int dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);
    ASSERT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSX), dpiY);
    const std::set<std::string> holders = {"txtTitle", "lbltTime", "lblTrackNumber", "lblTrackPer", "lblTotalTracks"};
    for (const layout::ExpectedControl& expected : layout::kControls) {
        const std::string name = expected.name;
        const HWND window = control(name);
        ASSERT_NE(window, nullptr) << name;
        EXPECT_STRCASEEQ(classOf(window).c_str(), expected.className) << name;

        const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
        const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
        int styled = 0;
        for (const ExpectedStyle& kind : kStyles) {
            if (name.rfind(kind.namePrefix, 0) == 0) {
                ++styled;
                EXPECT_EQ(style & kind.styleMask, kind.style) << name;
                EXPECT_EQ(exStyle & kind.exStyleMask, kind.exStyle) << name;
            }
        }
        EXPECT_EQ(styled, 1) << name;

        if (expected.caption != nullptr) {
            EXPECT_EQ(textOf(window), expected.caption) << name;
        } else if (name.rfind("txtData(", 0) == 0) {
            EXPECT_EQ(wideTextOf(window), test::expectedDefaultTemplate(name[8] - '0')) << name;
        } else {
            EXPECT_EQ(textOf(window), "") << name;
        }

        EXPECT_EQ(IsWindowVisible(window) != 0, expected.start == layout::kShown) << name;
        EXPECT_EQ(IsWindowEnabled(window) != 0, holders.count(name) == 0) << name;
    }
    expectLaidOutAt(dpiY);
    EXPECT_EQ(SendMessageA(control("optFormate(0)"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

// A click on an option shows only its template and makes only its caption bold; any other choice of box or weight
// has the user edit one client's template while another's is shown.
TEST_F(MainViewTest, AnOptionClickShowsItsTemplateInBold) {
    ASSERT_TRUE(created);
    for (const int chosen : {2, 2, 0, 3, 1}) {
        ui.run([&] { SendMessageA(control("optFormate(" + std::to_string(chosen) + ")"), BM_CLICK, 0, 0); });
        for (int client = 0; client < 4; ++client) {
            const std::string option = "optFormate(" + std::to_string(client) + ")";
            LOGFONTA font = {};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control(option), WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_EQ(font.lfWeight, client == chosen ? FW_BOLD : FW_NORMAL) << option << " after " << chosen;
            EXPECT_EQ(SendMessageA(control(option), BM_GETCHECK, 0, 0), client == chosen ? BST_CHECKED : BST_UNCHECKED)
                << option << " after " << chosen;
            EXPECT_EQ(IsWindowVisible(control("txtData(" + std::to_string(client) + ")")) != 0, client == chosen)
                << "txtData(" << client << ") after " << chosen;
        }
    }
}

// A template box takes what the user types or pastes at any length: the edit control's own limit stopped typing
// at 32,767 characters.
TEST_F(MainViewTest, ATemplateBoxTakesAnyLength) {
    ASSERT_TRUE(created);
    for (int client = 0; client < 4; ++client) {
        const HWND box = control("txtData(" + std::to_string(client) + ")");
        int length = 0;
        std::wstring text;
        while (text.size() < 40000) {
            text += std::wstring(78, L'x') + L"\r\n";  // short lines: a long one costs Wine seconds to wrap
        }
        ui.run([&] {
            SetWindowTextW(box, text.c_str());
            SendMessageW(box, EM_SETSEL, 40000, 40000);
            SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"pasted"));
            SendMessageW(box, WM_CHAR, L'y', 1);
            length = GetWindowTextLengthW(box);
        });
        EXPECT_EQ(length, 40007) << "txtData(" << client << ")";
    }
}

}  // namespace
}  // namespace marquill::win32
