#include "app/win32/win32_main_view.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window_description.h"
#include "app/win32/newer_windows.h"
#include "app/win32/session_copy.h"
#include "peers/peer_tree.h"
#include "peers/window_trees.h"
#include "platform/win32/window_procedure.h"
#include "platform/sim/sim_files.h"
#include "platform/win32/owners.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_shared_memory.h"
#include "platform/win32/win32_window_services.h"
#include "tests/win32/support/window_thread.h"
#include "tests/support/expected_defaults.h"
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

// Windows sends BN_CLICKED for a radio button that gets the focus from the keyboard, unless the button was told
// BM_SETDONTCLICK; Wine never does. Under this model the options behave as Windows documents: the hook notes, on
// the window's thread from its creation on, which buttons were told; the subclass clicks the others on focus.
std::set<HWND> toldNotToClick;

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

// A new start's bring-back, a click on the switch and a tick, as any program could send them before the load step.
LRESULT broughtBackBeforeLoad = 0;

LRESULT CALLBACK sendBeforeLoad(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_CREATE && GetParent(sent->hwnd) == nullptr) {
        broughtBackBeforeLoad = SendMessageW(sent->hwnd, bringBackMessage(), 0, 0);
        SendMessageW(sent->hwnd, WM_COMMAND, MAKEWPARAM(id::kChkEnable, BN_CLICKED), 0);
        SendMessageW(sent->hwnd, WM_TIMER, id::kTmrAmp, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct ClickedByFocus {
    WNDPROC original;

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProcW(original, window, message, wParam, lParam);
        if (message == WM_SETFOCUS && toldNotToClick.count(window) == 0) {
            SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                         reinterpret_cast<LPARAM>(window));
        }
        return result;
    }
};

// Wine refuses SPI_SETHIGHCONTRAST, and its GetDpiForWindow answers the system's 96 whatever the window was told
// (both measured), so the setting and the DPI Windows gives a window before it sends WM_DPICHANGED are the test's.
struct ModelledDisplay final : DisplaySettings {
    int windowDpi(HWND, int fallback) const override { return dpi != 0 ? dpi : fallback; }
    bool highContrast() const override { return highContrastOn; }

    int dpi = 0;  // none: the window is where it was created
    bool highContrastOn = false;
};

// The real main window, created in this process on a thread of its own as the program creates it, with no template
// files beside it. Destroying it ends that thread's message loop, so it lives as long as the test.
class MainViewTest : public ::testing::Test {
protected:
    MainViewTest() {
        ui.run([this] {
            toldNotToClick.clear();
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
    // Under Wine, hiding the shown window waits about 2 s for the X server; every test pays it once.
    ~MainViewTest() override {
        ui.run([this] { view.reset(); });
    }

    HWND control(const std::string& name) const { return GetDlgItem(view->window(), idOf(name)); }

    // Every control's place, and its font's face, height and weight, at `dpi`, as the layout describes them; and the
    // client area's size, unless the window sized itself by Windows' frame at `dpi`, which Wine does not draw.
    void expectLaidOutAt(int dpi, bool clientArea = true) const {
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
            ASSERT_NE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font),
                      0)
                << name;
            EXPECT_STREQ(font.lfFaceName, "Tahoma") << name;
            EXPECT_EQ(font.lfHeight, -MulDiv(825, dpi, 7200)) << name << ": 8.25 pt at " << dpi;
            EXPECT_EQ(font.lfWeight, expected.weight == layout::kBold ? FW_BOLD : FW_NORMAL) << name << " at " << dpi;
        }
    }

    Win32AnsiCodec codec;
    Win32WindowServices windows{codec};
    Win32Clock clock;
    Win32EventPump events;
    sim::SimFiles files{L"C:\\MarquillViewTest"};
    Win32SharedMemory memory;
    ModelledDisplay display;
    test::WindowThread ui;
    std::unique_ptr<Win32MainView> view;
    ClickedByFocus options[4] = {};
    bool created = false;
};

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

// The title box raises its change, and so an announcement, exactly when its text changes: inside the write, not
// for a write of the text it holds (the edit control notifies that too), and never for a key typed into it.
TEST_F(MainViewTest, TheTitleBoxAnnouncesOncePerRealChange) {
    ASSERT_TRUE(created);
    test::WindowThread chatThread;
    std::unique_ptr<peers::PeerTree> mirc;
    chatThread.run([&] {
        mirc = std::make_unique<peers::PeerTree>(peers::chatWindowTree(peers::ChatClient::Mirc6),
                                                 peers::PeerWindowOptions{});
    });
    ui.run([&] {
        for (int client = 0; client < 3; ++client) {
            view->setText(id::txtData(client), L"");
        }
        view->setText(id::txtData(3), L"%s");
    });
    const HWND title = control("txtTitle");
    enum class Act { Write, SetFromOutside, Type };
    const struct {
        Act act;
        const wchar_t* text;  // the text written, or the one key typed
        std::vector<std::string> announced;
    } steps[] = {
        {Act::Write, L"A", {"A"}},       {Act::Write, L"A", {}},
        {Act::SetFromOutside, L"A", {}}, {Act::Type, L"b", {}},  // read-only: a key typed there would go to every chat
        {Act::Type, L"\b", {}},          {Act::SetFromOutside, L"B", {"B"}},
        {Act::Write, L"", {}},  // empty: no song to announce
        {Act::Write, L"B", {"B"}},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const auto& step = steps[i];
        std::vector<std::string> announced;
        ui.run([&] {
            const std::size_t before = mirc->recorder().lines().size();
            switch (step.act) {
                case Act::Write:
                    view->setText(id::kTxtTitle, step.text);
                    break;
                case Act::SetFromOutside:
                    SetWindowTextW(title, step.text);
                    break;
                case Act::Type:
                    SendMessageW(title, EM_SETSEL, GetWindowTextLengthW(title), GetWindowTextLengthW(title));
                    SendMessageW(title, WM_CHAR, step.text[0], 1);
                    break;
            }
            // Read on return from the write: what the change announced has arrived by then.
            const std::vector<std::string> lines = mirc->recorder().lines();
            for (std::size_t line = before; line < lines.size(); ++line) {
                if (lines[line].rfind("input text ", 0) == 0) {
                    announced.push_back(lines[line].substr(11));
                }
            }
        });
        EXPECT_EQ(announced, step.announced) << "step " << i;
    }
    chatThread.run([&] { mirc.reset(); });
}

// Tab and Shift+Tab walk the shown controls by tab index, whatever option was clicked last (an unchecked option
// button loses its tab stop, and a walk that followed tab stops would skip it), never the title box or Command1
// outside the window, and the focus arriving on an option never chooses it, as Windows would without being told;
// Space on the focused option does.
TEST_F(MainViewTest, TabWalksTheShownControlsWithoutChoosingAnOption) {
    ASSERT_TRUE(created);
    const std::vector<std::string> byTabIndex = {"txtData(0)",    "optFormate(0)", "optFormate(1)", "optFormate(2)",
                                                 "txtData(1)",    "txtData(2)",    "chkEnable",     "txtData(3)",
                                                 "optFormate(3)", "cmdSave"};
    const auto chosen = [&] {
        int checked = -1;
        for (int option = 0; option < 4; ++option) {
            const std::string name = "optFormate(" + std::to_string(option) + ")";
            if (SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED &&
                IsWindowVisible(control("txtData(" + std::to_string(option) + ")"))) {
                checked = option;
            }
        }
        return checked;
    };
    const auto press = [&](bool shift) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        const MSG tab = {GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(view->navigate(tab));
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    };
    for (int clicked = -1; clicked < 4; ++clicked) {
        std::vector<HWND> forward;
        std::vector<HWND> backward;
        ui.run([&] {
            if (clicked >= 0) {
                SendMessageA(control("optFormate(" + std::to_string(clicked) + ")"), BM_CLICK, 0, 0);
            }
            SetFocus(control("cmdSave"));
            for (std::size_t step = 0; step < 7; ++step) {
                press(false);
                forward.push_back(GetFocus());
            }
            for (std::size_t step = 0; step < 7; ++step) {
                press(true);
                backward.push_back(GetFocus());
            }
        });
        EXPECT_EQ(chosen(), clicked < 0 ? 0 : clicked) << "the walk chose another option";
        std::vector<HWND> shown;
        for (const std::string& name : byTabIndex) {
            if (IsWindowVisible(control(name))) {
                shown.push_back(control(name));
            }
        }
        ASSERT_EQ(shown.size(), 7u) << "one template box shown after clicking " << clicked;
        EXPECT_EQ(forward, shown) << "after clicking " << clicked;
        // Back from the last: the six before it, then round to the last again.
        std::vector<HWND> expectedBack(shown.rbegin() + 1, shown.rend());
        expectedBack.push_back(shown.back());
        EXPECT_EQ(backward, expectedBack) << "after clicking " << clicked;
    }

    // The keyboard still chooses an option: Space on the focused one, as a click does.
    ui.run([&] {
        const HWND yahoo = control("optFormate(2)");
        SetFocus(yahoo);
        SendMessageW(yahoo, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageW(yahoo, WM_KEYUP, VK_SPACE, 0);
    });
    EXPECT_EQ(SendMessageW(control("optFormate(2)"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(IsWindowVisible(control("txtData(2)")));
    EXPECT_FALSE(IsWindowVisible(control("txtData(0)")));
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

// With a high-contrast theme the template boxes take the system's window colours, or their text may be unreadable
// on their own background; the theme is followed while the program runs, both ways.
TEST_F(MainViewTest, HighContrastGivesTheTemplateBoxesTheSystemColours) {
    ASSERT_TRUE(created);
    const COLORREF own[] = {RGB(255, 251, 240), RGB(212, 228, 244), RGB(238, 223, 242), RGB(255, 255, 255)};
    for (const bool highContrast : {false, true, false}) {
        ui.run([&] {
            display.highContrastOn = highContrast;
            SendMessageW(view->window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        });
        for (int client = 0; client < 4; ++client) {
            const std::string name = "txtData(" + std::to_string(client) + ")";
            const HDC dc = CreateCompatibleDC(nullptr);
            SetBkColor(dc, RGB(1, 2, 3));
            SetTextColor(dc, RGB(4, 5, 6));
            const auto brush =
                reinterpret_cast<HBRUSH>(SendMessageW(view->window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(control(name))));
            LOGBRUSH painted = {};
            GetObjectW(brush, sizeof painted, &painted);
            const COLORREF background = highContrast ? GetSysColor(COLOR_WINDOW) : own[client];
            EXPECT_EQ(painted.lbColor, background) << name << " high contrast " << highContrast;
            EXPECT_EQ(GetBkColor(dc), background) << name << " high contrast " << highContrast;
            if (highContrast) {
                EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT)) << name;
            }
            DeleteDC(dc);
        }
    }
}

// On a monitor of another DPI, or after the user changed the scale, the window lays every control out again from
// its twips with fonts and icons made for the DPI it now has, the old ones freed: nothing stretched, nothing scaled
// twice, nothing leaked over many changes. The picture stays the 32 x 32 image; the tray gets the small icon.
TEST_F(MainViewTest, EveryDpiChangeLaysTheWindowOutAgain) {
    ASSERT_TRUE(created);
    const auto iconSize = [](HICON icon) {
        ICONINFO info = {};
        if (!GetIconInfo(icon, &info)) {
            return 0;
        }
        BITMAP bitmap = {};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return static_cast<int>(bitmap.bmWidth);
    };
    // The window's own, or where it has none (at the system's DPI) its class's.
    const auto titleBarIcon = [&](WPARAM type, int classIndex) {
        const auto own = reinterpret_cast<HICON>(SendMessageW(view->window(), WM_GETICON, type, 0));
        return own ? own : reinterpret_cast<HICON>(GetClassLongPtrW(view->window(), classIndex));
    };
    const HWND regular = control("optFormate(1)");
    const HWND bold = control("optFormate(0)");
    // The window's DPI, and the message's words: any program can send one, with words of its own.
    const std::pair<int, int> changes[] = {{144, 144}, {192, 192}, {96, 96}, {144, 192}};
    for (int round = 0; round < 13; ++round) {  // fifty-two changes
        for (const auto& [dpi, words] : changes) {
            const auto before = std::vector<HGDIOBJ>{
                reinterpret_cast<HGDIOBJ>(SendMessageW(regular, WM_GETFONT, 0, 0)),
                reinterpret_cast<HGDIOBJ>(SendMessageW(bold, WM_GETFONT, 0, 0)),
            };
            const auto iconsBefore = std::vector<HICON>{
                reinterpret_cast<HICON>(SendMessageW(view->window(), WM_GETICON, ICON_BIG, 0)),
                reinterpret_cast<HICON>(SendMessageW(view->window(), WM_GETICON, ICON_SMALL, 0)),
                reinterpret_cast<HICON>(SendMessageW(control("Image1"), STM_GETICON, 0, 0)),
            };
            ui.run([&, dpi = dpi, words = words] {
                display.dpi = dpi;
                // Wine keeps the frame's size at a synthetic DPI change: the suggested rectangle is this frame
                // around the client area at the new DPI.
                RECT suggested;
                RECT client;
                GetWindowRect(view->window(), &suggested);
                GetClientRect(view->window(), &client);
                suggested.right += layout::pixelsOf(layout::kClientWidthTwips, dpi) - client.right;
                suggested.bottom += layout::pixelsOf(layout::kClientHeightTwips, dpi) - client.bottom;
                SendMessageW(view->window(), kDpiChanged, MAKEWPARAM(words, words),
                             reinterpret_cast<LPARAM>(&suggested));
            });
            for (const HGDIOBJ font : before) {
                EXPECT_EQ(GetObjectType(font), 0u)
                    << "a font of the DPI before " << dpi << " was kept, round " << round;
            }
            for (const HICON icon : iconsBefore) {
                EXPECT_EQ(iconSize(icon), 0) << "an icon of the DPI before " << dpi << " was kept, round " << round;
            }
            if (round > 0) {
                continue;
            }
            expectLaidOutAt(dpi);
            EXPECT_EQ(iconSize(titleBarIcon(ICON_BIG, GCLP_HICON)), dpi / 3) << dpi;
            EXPECT_EQ(iconSize(titleBarIcon(ICON_SMALL, GCLP_HICONSM)), dpi / 6) << dpi;
            EXPECT_EQ(iconSize(reinterpret_cast<HICON>(SendMessageW(control("Image1"), STM_GETICON, 0, 0))), 32) << dpi;
            EXPECT_EQ(iconSize(reinterpret_cast<HICON>(static_cast<std::uintptr_t>(view->iconHandle()))), dpi / 6)
                << dpi;
        }
    }
}

// A change while the window is minimised, in the tray or on the taskbar, moves and shows nothing; the window comes
// back at its size at the new DPI, its controls laid out for it. Taking the suggested rectangle then left its
// restore size at the old DPI: it came back clipped or stretched.
TEST_F(MainViewTest, ADpiChangeWhileMinimisedShowsOnReturn) {
    ASSERT_TRUE(created);
    const auto adjustForDpi = reinterpret_cast<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    for (const auto& [dpi, inTray] : {std::pair{144, true}, std::pair{192, false}}) {
        RECT minimised[2] = {};
        RECT restored = {};
        bool shown = true;
        ui.run([&, dpi = dpi, inTray = inTray] {
            ShowWindow(view->window(), SW_MINIMIZE);  // into the tray
            if (!inTray) {
                view->setWindowState(WindowState::Minimised);
            }
            GetWindowRect(view->window(), &minimised[0]);
            display.dpi = dpi;
            SendMessageW(view->window(), kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&minimised[0]));
            GetWindowRect(view->window(), &minimised[1]);
            shown = IsWindowVisible(view->window()) != 0;
            SendMessageW(view->window(), WM_MOUSEMOVE, 0, WM_LBUTTONUP);  // a click on the tray icon
            GetWindowRect(view->window(), &restored);
        });
        EXPECT_EQ(shown, !inTray) << dpi;
        EXPECT_TRUE(EqualRect(&minimised[0], &minimised[1])) << dpi;
        // Windows scales the frame with the DPI; Wine keeps it, so the window is checked by its outer size.
        RECT frame = {0, 0, layout::pixelsOf(layout::kClientWidthTwips, dpi),
                      layout::pixelsOf(layout::kClientHeightTwips, dpi)};
        adjustForDpi(&frame, GetWindowLongW(view->window(), GWL_STYLE), FALSE, 0, dpi);
        EXPECT_EQ(restored.right - restored.left, frame.right - frame.left) << dpi;
        EXPECT_EQ(restored.bottom - restored.top, frame.bottom - frame.top) << dpi;
        expectLaidOutAt(dpi, false);
    }
}

// What reaches the window before its load step finds no controller: a new start's bring-back is not answered as
// done (that start asks again until this copy has loaded), and a click on the switch or a tick starts nothing that
// needs the player link or the templates.
TEST_F(MainViewTest, NothingRunsBeforeTheLoadStep) {
    ASSERT_TRUE(created);
    EXPECT_NE(broughtBackBeforeLoad, kBroughtBack);
    EXPECT_FALSE(view->timerEnabled());
}

}  // namespace
}  // namespace marquill::win32
