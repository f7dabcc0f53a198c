#include "app/flat_style.h"
#include "app/sys_tray.h"
#include "tests/unit/app/controller_fixture.h"

namespace marquill::test {
namespace {

// Shell_NotifyIconA reads these 88 bytes as they stand; one byte out of place and the icon or its tip is wrong.
TEST(TrayIconDataTest, RecordBytesAreTheFirstFormOfTheStructure) {
    const TrayRecordBytes record = fillTrayIconData(0x00012345, 0xA1B2C3D4);
    const std::uint8_t head[24] = {
        88,   0,    0,    0,     // cbSize
        0x45, 0x23, 0x01, 0,     // hWnd
        1,    0,    0,    0,     // uID
        7,    0,    0,    0,     // uFlags
        0,    2,    0,    0,     // uCallbackMessage 512
        0xD4, 0xC3, 0xB2, 0xA1,  // hIcon
    };
    for (std::size_t i = 0; i < 24; ++i) {
        EXPECT_EQ(record[i], head[i]) << "byte " << i;
    }
    const std::string tip(reinterpret_cast<const char*>(&record[24]), 64);
    EXPECT_EQ(tip, std::string(" MarquillAmp 1 ") + '\0' + std::string(48, ' '));
}

// Which tray mouse messages bring the window back: a press, or mere movement over the icon, must not.
TEST(TrayIconDataTest, OnlyButtonReleasesAndDoubleClicksRestore) {
    const struct {
        std::int64_t message;
        bool restores;
    } cases[] = {
        {wm::kMouseMove, false},
        {wm::kLeftButtonDown, false},
        {wm::kLeftButtonUp, true},
        {wm::kLeftDoubleClick, true},
        {wm::kRightButtonDown, false},
        {wm::kRightButtonUp, true},
        {wm::kRightButtonUp + 1, false},  // WM_RBUTTONDBLCLK
        {wm::kRightButtonUp + 2, false},  // WM_MBUTTONDOWN
        {0, false},
        {344, false},  // a pixel position
        {-std::int64_t{wm::kLeftButtonUp}, false},
        {wm::kLeftButtonUp + 65536, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(restoresFromTray(static_cast<std::int32_t>(c.message)), c.restores) << c.message;
    }
}

// MakeFlat swaps the sunken edge for the thin one and strips the frames, leaving every other style bit alone;
// a wrong mask would hide a scroll bar or make a box a top-level window.
TEST(FlatStyleTest, MasksChangeOnlyTheirBits) {
    const struct {
        std::uint32_t style;
        std::uint32_t exStyle;
        std::uint32_t flatStyle;
        std::uint32_t flatExStyle;
    } cases[] = {
        {0x50A10044, 0x00000204, 0x50210044, 0x00020004},  // multi-line edit: border dropped, scroll bar kept
        {0x50010000, 0x00000200, 0x50010000, 0x00020000}, {0xFFFFFFFF, 0xFFFFFFFF, 0xFF3BFFFF, 0xFFFFFDFF},
        {0x00000000, 0x00000000, 0x00000000, 0x00020000}, {0x00C40000, 0x00020200, 0x00000000, 0x00020000},
    };
    for (const auto& c : cases) {
        sim::Windows1252Codec codec;
        sim::SimDesktop desktop(codec);
        const WindowHandle box = desktop.createWindow("Edit");
        desktop.setWindowLong(box, gwl::kStyle, static_cast<std::int32_t>(c.style));
        desktop.setWindowLong(box, gwl::kExStyle, static_cast<std::int32_t>(c.exStyle));
        desktop.clearCalls();
        MakeFlat(desktop, box);
        EXPECT_EQ(static_cast<std::uint32_t>(desktop.getWindowLong(box, gwl::kStyle)), c.flatStyle)
            << std::hex << c.style;
        EXPECT_EQ(static_cast<std::uint32_t>(desktop.getWindowLong(box, gwl::kExStyle)), c.flatExStyle)
            << std::hex << c.exStyle;
        ASSERT_GE(desktop.calls().size(), 5u);
        EXPECT_EQ(desktop.calls()[4], "SetWindowPos(1, 0, 0, 0, 0, 0, 55)") << "the frame is recomputed last";
    }
}

class TrayTest : public ControllerTest {
protected:
    void SetUp() override { start(); }

    std::string trayCall(const char* operation, bool result) const {
        return "Shell_NotifyIconA(" + std::string(operation) + ", " + mainHandle() + ", 1) = " + (result ? "1" : "0");
    }

    void minimiseToTray() {
        view.minimise();
        controller.resized();
    }
};

// Minimising hides the window and shows the icon; any other resize leaves the tray alone.
TEST_F(TrayTest, OnlyAMinimisingResizeGoesToTheTray) {
    controller.resized();
    view.setWindowState(WindowState::Maximised);
    controller.resized();
    view.clearLog();
    EXPECT_TRUE(view.timeline().empty());

    minimiseToTray();
    EXPECT_EQ(view.timeline(), (Lines{trayCall("NIM_ADD", true), "view: hide window"}));
    EXPECT_TRUE(desktop.trayIconShown(view.windowHandle(), 1));
}

// An icon the shell did not take leaves the window minimised on the taskbar: hidden without an icon, nothing would
// bring it back. A busy shell is offered the icon again from the retry timer, a few times; the next minimise
// tries again after that.
TEST_F(TrayTest, WithoutAnIconTheWindowStaysOnTheTaskbar) {
    const Lines refused = {trayCall("NIM_ADD", false), trayCall("NIM_MODIFY", false)};
    desktop.setShellRunning(false);
    minimiseToTray();
    EXPECT_EQ(view.timeline(), refused);
    EXPECT_TRUE(view.shown());
    controller.mouseMoved(wm::kLeftButtonUp);
    EXPECT_EQ(view.state(), WindowState::Minimised) << "no icon: the pointer over the window restores nothing";

    for (int retry = 1; retry <= kTrayRetries; ++retry) {
        forget();
        ASSERT_TRUE(view.fireTrayRetryTimer()) << "retry " << retry;
        EXPECT_EQ(view.timeline(), refused) << "retry " << retry;
    }
    EXPECT_FALSE(view.trayRetryTimerRunning());
    EXPECT_TRUE(view.shown());

    desktop.setShellRunning(true);
    view.setWindowState(WindowState::Normal);
    controller.resized();
    forget();
    minimiseToTray();
    EXPECT_EQ(view.timeline(), (Lines{trayCall("NIM_ADD", true), "view: hide window"}));
    EXPECT_FALSE(view.shown());
}

// A retry that finds the shell answering again puts the window in the tray; the user bringing the window back from
// the taskbar stops the retries at once.
TEST_F(TrayTest, ARetryEndsInTheTrayOrWithTheWindowBack) {
    for (const bool restoredMeanwhile : {false, true}) {
        ControllerRig rig;
        rig.controller.load();
        rig.desktop.setShellRunning(false);
        rig.view.minimise();
        rig.controller.resized();
        rig.desktop.setShellRunning(true);
        if (restoredMeanwhile) {
            rig.view.setWindowState(WindowState::Normal);
            rig.controller.resized();  // the restore's own
        } else {
            ASSERT_TRUE(rig.view.fireTrayRetryTimer());
        }
        EXPECT_FALSE(rig.view.trayRetryTimerRunning()) << restoredMeanwhile;
        EXPECT_EQ(rig.view.shown(), restoredMeanwhile) << restoredMeanwhile;
        EXPECT_EQ(rig.desktop.trayIconShown(rig.view.windowHandle(), 1), !restoredMeanwhile) << restoredMeanwhile;
    }
}

// A click on the icon restores in this order: normal state, foreground, shown, icon removed. Other mouse messages,
// real pointer movement over the window included, do nothing.
TEST_F(TrayTest, ReleaseOverTheIconRestoresTheWindow) {
    minimiseToTray();
    forget();
    for (std::uint32_t ignored : {wm::kMouseMove, wm::kLeftButtonDown, wm::kRightButtonDown, 0u, 200u}) {
        controller.mouseMoved(static_cast<std::int32_t>(ignored));
    }
    EXPECT_TRUE(view.timeline().empty());

    controller.mouseMoved(wm::kLeftButtonUp);
    EXPECT_EQ(view.timeline(), (Lines{"view: state 0", "SetForegroundWindow(" + mainHandle() + ")", "view: show window",
                                      trayCall("NIM_DELETE", true)}));
    EXPECT_FALSE(desktop.trayIconShown(view.windowHandle(), 1));
    EXPECT_EQ(desktop.foregroundWindow(), view.windowHandle());
}

// A second start brings this copy back: out of the tray as a click on its icon does, up from the taskbar, or just to
// the front; a window left hidden or minimised looks to the user as if the program had not started.
TEST_F(TrayTest, AStartWhileRunningBringsTheWindowBack) {
    const std::string foreground = "SetForegroundWindow(" + mainHandle() + ")";
    minimiseToTray();
    forget();
    controller.startedAgain();
    EXPECT_EQ(view.timeline(), (Lines{"view: state 0", foreground, "view: show window", trayCall("NIM_DELETE", true)}));

    desktop.setShellRunning(false);
    minimiseToTray();  // no icon: minimised on the taskbar
    forget();
    controller.startedAgain();
    EXPECT_EQ(view.timeline(), (Lines{"view: state 0", foreground, "view: show window"}));
    EXPECT_FALSE(view.trayRetryTimerRunning());

    forget();
    controller.startedAgain();
    EXPECT_EQ(view.timeline(), (Lines{foreground})) << "shown already: only brought to the front";
}

// The pointer over the shown window reports the same mouse-move as the icon does, and at 144 DPI the client area
// is 518 pixels wide: x = 514, 515 or 517 there must not steal the focus.
TEST_F(TrayTest, ThePointerOverTheShownWindowNeverRestores) {
    for (std::uint32_t x : {wm::kLeftButtonUp, wm::kLeftDoubleClick, wm::kRightButtonUp}) {
        controller.mouseMoved(static_cast<std::int32_t>(x));
    }
    EXPECT_TRUE(view.timeline().empty());
}

// A shortcut set to "Run: Minimized" minimises the window at its first show, inside the load event: the icon
// added then must carry the whole record, or the user sees no icon and no window.
TEST_F(ControllerTest, AMinimisedStartSitsInTheTrayWithAWorkingIcon) {
    view.minimiseOnFirstShow();
    controller.load();
    EXPECT_FALSE(view.shown());
    EXPECT_TRUE(desktop.trayIconShown(view.windowHandle(), 1));

    controller.mouseMoved(wm::kLeftButtonUp);
    EXPECT_TRUE(view.shown());
    EXPECT_EQ(view.state(), WindowState::Normal);
    EXPECT_FALSE(desktop.trayIconShown(view.windowHandle(), 1));
}

// A session can end without a close request (WM_QUIT): the controller that goes takes a shown icon with it, and
// never deletes an icon it does not show.
TEST_F(ControllerTest, EndingWithoutACloseRequestTakesTheIconAway) {
    const struct {
        bool inTray;
        bool closed;
        std::size_t deletes;
    } cases[] = {{true, false, 1}, {false, false, 0}, {true, true, 0}};
    for (const auto& c : cases) {
        ControllerRig rig;
        rig.controller.load();
        if (c.inTray) {
            rig.view.minimise();
            rig.controller.resized();
        }
        if (c.closed) {
            rig.controller.queryUnload();
        }
        rig.desktop.clearCalls();
        rig.endController();
        EXPECT_FALSE(rig.desktop.trayIconShown(rig.view.windowHandle(), 1)) << c.inTray << c.closed;
        EXPECT_EQ(rig.desktop.calls().size(), c.deletes) << c.inTray << c.closed;
    }
}

// After the shell restarts it knows no icons: a window in the tray must put its icon back, or it has no way back.
// The shell also announces itself when only its display changed, and keeps its icons: the add fails then, the
// change finds the icon, and the window stays in the tray with a click on the icon still bringing it back. A window
// left on the taskbar without an icon is offered to the shell that returns, also once the retries have run out.
TEST_F(TrayTest, ShellRestartReAddsTheIconOnlyWhileInTheTray) {
    controller.shellRestarted();
    EXPECT_TRUE(view.timeline().empty()) << "on screen: no icon to put back";

    minimiseToTray();
    desktop.notifyIcon(nim::kDelete, fillTrayIconData(view.windowHandle(), FakeMainView::kIcon));  // the crash
    forget();
    controller.shellRestarted();
    EXPECT_EQ(view.timeline(), (Lines{trayCall("NIM_ADD", true), "view: hide window"}));
    EXPECT_TRUE(desktop.trayIconShown(view.windowHandle(), 1));

    forget();
    view.icon = 0x00BEEF01;
    controller.shellRestarted();  // a new DPI: the icon is still there, and takes the window's at that DPI
    EXPECT_EQ(view.timeline(), (Lines{trayCall("NIM_ADD", false), trayCall("NIM_MODIFY", true), "view: hide window"}));
    EXPECT_EQ(desktop.trayIconImage(view.windowHandle(), 1), view.icon);
    EXPECT_FALSE(view.shown());
    controller.mouseMoved(wm::kLeftButtonUp);
    EXPECT_TRUE(view.shown());
    EXPECT_FALSE(desktop.trayIconShown(view.windowHandle(), 1));
    minimiseToTray();

    controller.mouseMoved(wm::kLeftDoubleClick);
    forget();
    controller.shellRestarted();
    EXPECT_TRUE(view.timeline().empty()) << "restored: the icon stays away";

    minimiseToTray();
    desktop.notifyIcon(nim::kDelete, fillTrayIconData(view.windowHandle(), FakeMainView::kIcon));
    desktop.setShellRunning(false);  // it announced itself, yet does not take the icon
    forget();
    controller.shellRestarted();
    EXPECT_EQ(view.timeline(), (Lines{trayCall("NIM_ADD", false), trayCall("NIM_MODIFY", false), "view: state 1"}));
    EXPECT_TRUE(view.shown()) << "not hidden without an icon, and minimised: the focus stays with the user";

    while (view.fireTrayRetryTimer()) {
    }
    desktop.setShellRunning(true);
    forget();
    controller.shellRestarted();  // Explorer is back after the retries ran out
    EXPECT_EQ(view.timeline(), (Lines{trayCall("NIM_ADD", true), "view: hide window"}));
}

}  // namespace
}  // namespace marquill::test
