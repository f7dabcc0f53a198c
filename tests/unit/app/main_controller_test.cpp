#include <functional>

#include "app/chat_clients.h"
#include "peers/window_trees.h"
#include "tests/unit/app/controller_fixture.h"
#include "tests/unit/support/sim_peer_tree.h"
#include "tests/unit/support/sim_player.h"

namespace marquill::test {
namespace {

// The load event's six steps must run in their order: a template read before the flat styling, or a window shown
// before its templates are in, is a different start-up from the one the user sees.
TEST_F(ControllerTest, StartUpRunsItsStepsInOrder) {
    files.putFile(L"C:\\Amp\\yahoo.txt", "from the file");
    forget();
    controller.load();

    Lines expected = {"FindWindowA(\"Winamp v1.x\") = 0", "view: caption"};
    for (int control : {id::txtData(0), id::txtData(1), id::txtData(2), id::txtData(3), id::kCmdSave}) {
        const std::string h = handleOf(control);
        expected.push_back("GetWindowLongA(" + h + ", GWL_EXSTYLE) = 0");
        expected.push_back("SetWindowLongA(" + h + ", GWL_EXSTYLE, 131072) = 0");
        expected.push_back("GetWindowLongA(" + h + ", GWL_STYLE) = 0");
        expected.push_back("SetWindowLongA(" + h + ", GWL_STYLE, 0) = 0");
        expected.push_back("SetWindowPos(" + h + ", 0, 0, 0, 0, 0, 55)");
    }
    expected.push_back("view: text txtData(2)");
    expected.push_back("view: show window");
    EXPECT_EQ(view.timeline(), expected);
    EXPECT_EQ(view.caption(), L"MarquillAmp 1");
}

// After start-up nothing polls and the window is as created: a load that touched the timer or the options would
// announce or switch templates on its own.
TEST_F(ControllerTest, StartUpLeavesTimerOptionsAndHoldersAsCreated) {
    files.putFile(L"C:\\Amp\\mirc.txt", "");
    controller.load();

    EXPECT_FALSE(view.timerEnabled());
    EXPECT_TRUE(view.shown());
    for (int client = 0; client < kClientCount; ++client) {
        EXPECT_EQ(view.visible(id::txtData(client)), client == 0) << client;
        EXPECT_EQ(view.bold(id::optFormate(client)), client == 0) << client;
    }
    for (int client = 0; client < 3; ++client) {
        EXPECT_EQ(view.text(id::txtData(client)), defaultTemplate(client)) << "absent file keeps the default";
    }
    EXPECT_EQ(view.text(id::txtData(3)), L"") << "an empty file empties its box";
    for (int holder : {id::kTxtTitle, id::kLbltTime, id::kLblTrackNumber, id::kLblTrackPer, id::kLblTotalTracks}) {
        EXPECT_EQ(view.text(holder), L"") << FakeMainView::nameOf(holder);
    }
}

// The tick's five steps are guarded one by one: a member that fails costs only its own control's update.
TEST_F(ControllerTest, AFailingTickStepLeavesOnlyItsOwnControl) {
    const struct {
        const char* what;
        std::function<void(SimPlayer&)> spoil;
        const wchar_t* time;  // what each label shows after the spoiled tick
        const wchar_t* number;
        const wchar_t* percent;
        const wchar_t* tracks;
    } cases[] = {
        {"nothing fails", [](SimPlayer&) {}, L"0:10 / 3:20", L"13", L"5", L"20"},
        {"length 0: unknown, so no percent", [](SimPlayer& p) { p.lengthSeconds = 0; }, L"0:10", L"13", L"", L"20"},
        {"length -1: unknown, so no percent", [](SimPlayer& p) { p.lengthSeconds = -1; }, L"0:10", L"13", L"", L"20"},
        {"position beyond 16 bits: time overflows", [](SimPlayer& p) { p.positionMs = 32767500; }, L"1:05 / 3:05",
         L"13", L"16384", L"20"},
        {"length beyond 16 bits: time overflows", [](SimPlayer& p) { p.lengthSeconds = 40000; }, L"1:05 / 3:05", L"13",
         L"0", L"20"},
        {"playlist beyond 16 bits", [](SimPlayer& p) { p.playlistLength = 40000; }, L"0:10 / 3:20", L"13", L"5", L"12"},
        {"the player stops answering", [](SimPlayer& p) { p.desktop.setHung(p.window, true); }, L"1:05 / 3:05", L"13",
         L"35", L"12"},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        SimPlayer player(rig.desktop, L"12. First - Winamp");
        rig.controller.load();
        rig.controller.enableClicked();
        rig.controller.tick();  // 1:05 / 3:05, 12, 35, 12

        player.positionMs = 10000;
        player.lengthSeconds = 200;
        player.playlistLength = 20;
        rig.desktop.setTitle(player.window, L"13. Second - Winamp");
        c.spoil(player);
        rig.controller.tick();
        EXPECT_EQ(rig.view.text(id::kTxtTitle), L"Second") << c.what;
        EXPECT_EQ(rig.view.text(id::kLbltTime), c.time) << c.what;
        EXPECT_EQ(rig.view.text(id::kLblTrackNumber), c.number) << c.what;
        EXPECT_EQ(rig.view.text(id::kLblTrackPer), c.percent) << c.what;
        EXPECT_EQ(rig.view.text(id::kLblTotalTracks), c.tracks) << c.what;
    }
}

// Without a player the tick still writes what its reading gives then: no title, the replies of 0, and with a
// length of 0 the elapsed time alone and no percent.
TEST_F(ControllerTest, TickWithoutPlayerWritesTheEmptyValues) {
    SimPlayer player(desktop, L"4. Song - Winamp");
    start();
    controller.enableClicked();
    controller.tick();
    desktop.destroyWindow(player.window);
    controller.tick();
    EXPECT_EQ(view.text(id::kTxtTitle), L"");
    EXPECT_EQ(view.text(id::kLbltTime), L"0:00");
    EXPECT_EQ(view.text(id::kLblTrackNumber), L"0");
    EXPECT_EQ(view.text(id::kLblTrackPer), L"");
    EXPECT_EQ(view.text(id::kLblTotalTracks), L"0");
}

// The switch decides on the timer alone and empties the title only when switching off; reading the check box, or
// emptying the title on the way in, would break the on/off pairing.
TEST_F(ControllerTest, EnableClickFlipsTheTimer) {
    start();
    view.type(L"typed");
    forget();

    controller.enableClicked();
    EXPECT_EQ(view.timeline(), (Lines{"view: timer on"}));
    EXPECT_EQ(view.text(id::kTxtTitle), L"typed");

    forget();
    controller.enableClicked();
    EXPECT_EQ(view.log().size(), 2u);
    EXPECT_EQ(view.log()[0].second, "view: timer off");
    EXPECT_EQ(view.log()[1].second, "view: text txtTitle");
    EXPECT_EQ(view.text(id::kTxtTitle), L"");
    EXPECT_FALSE(view.timerEnabled());
}

// Exactly one template box visible and one option bold, with the same index, after any click.
TEST_F(ControllerTest, OptionClickShowsOnlyItsTemplate) {
    start();
    for (std::int16_t chosen : {2, 2, 0, 3, 1}) {
        controller.optionClicked(chosen);
        for (int client = 0; client < kClientCount; ++client) {
            EXPECT_EQ(view.visible(id::txtData(client)), client == chosen) << chosen << " " << client;
            EXPECT_EQ(view.bold(id::optFormate(client)), client == chosen) << chosen << " " << client;
        }
    }
    view.clearLog();
    controller.optionClicked(2);
    EXPECT_EQ(view.timeline(),
              (Lines{"view: hide txtData(0)", "view: regular optFormate(0)", "view: hide txtData(1)",
                     "view: regular optFormate(1)", "view: hide txtData(2)", "view: regular optFormate(2)",
                     "view: hide txtData(3)", "view: regular optFormate(3)", "view: show txtData(2)",
                     "view: bold optFormate(2)"}));
    view.clearLog();
    for (std::int16_t outside : {-1, 4, 32767}) {
        controller.optionClicked(outside);
    }
    EXPECT_TRUE(view.log().empty()) << "an index outside 0..3 changes nothing";
}

// The test button's chain: the 4th "gdkWindowChild" of the top-level window, then first children twice. A chain
// short of a window ends there, and one that searched on from nothing would start over at the first child and write
// into a decoy.
TEST_F(ControllerTest, Command1WritesOnlyThroughTheWholeGtkChain) {
    const struct {
        const char* what;
        std::function<void(SimPeerTree&)> trim;
        std::size_t calls;  // searches made, and the send when the chain is whole
        Lines received;
    } cases[] = {
        {"five children, whole chain", [](SimPeerTree&) {}, 8, {"target: The New Text"}},
        {"four children, whole chain",
         [](SimPeerTree& t) { t.keepFirst(t.top(), "gdkWindowChild", 4); },
         8,
         {"target: The New Text"}},
        {"three children", [](SimPeerTree& t) { t.keepFirst(t.top(), "gdkWindowChild", 3); }, 5, {}},
        {"fourth child without children",
         [](SimPeerTree& t) { t.keepFirst(t.window("child4"), "gdkWindowChild", 0); },
         6,
         {}},
        {"no GTK window", [](SimPeerTree& t) { t.desktop().destroyWindow(t.top()); }, 1, {}},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        SimPeerTree gtk(rig.desktop, peers::gtkWindowTree());
        c.trim(gtk);
        rig.desktop.clearCalls();
        rig.controller.command1Clicked();
        EXPECT_EQ(rig.desktop.calls().size(), c.calls) << c.what;
        Lines received;
        for (const ReceivedMessage& message : gtk.received()) {
            received.push_back(message.label + ": " + rig.codec.toAnsi(message.message.text));
        }
        EXPECT_EQ(received, c.received) << c.what;
    }
}

// Each step is searched once, from the window the step before found, and the text goes out in one bounded send: a
// send without a bound would freeze the program on a hung GTK program.
TEST_F(ControllerTest, Command1SearchesEachStepOnceAndSendsWithinTheBound) {
    const SimPeerTree gtk(desktop, peers::gtkWindowTree());
    desktop.clearCalls();
    controller.command1Clicked();
    const std::string top = std::to_string(gtk.top());
    // The top window's first four children: rows 1 to 4 of the table, created right after it.
    const auto child = [&](int n) { return std::to_string(gtk.top() + static_cast<WindowHandle>(n)); };
    ASSERT_EQ(child(4), std::to_string(gtk.window("child4")));
    const std::string level1 = std::to_string(gtk.window("child4.1"));
    const std::string target = std::to_string(gtk.window("target"));
    EXPECT_EQ(desktop.calls(), (Lines{
                                   "FindWindowA(\"gdkWindowToplevel\") = " + top,
                                   "FindWindowExA(" + top + ", 0, \"gdkWindowChild\") = " + child(1),
                                   "FindWindowExA(" + top + ", " + child(1) + ", \"gdkWindowChild\") = " + child(2),
                                   "FindWindowExA(" + top + ", " + child(2) + ", \"gdkWindowChild\") = " + child(3),
                                   "FindWindowExA(" + top + ", " + child(3) + ", \"gdkWindowChild\") = " + child(4),
                                   "FindWindowExA(" + child(4) + ", 0, \"gdkWindowChild\") = " + level1,
                                   "FindWindowExA(" + level1 + ", 0, \"gdkWindowChild\") = " + target,
                                   "SendMessageTimeoutA(" + target + ", WM_SETTEXT, 0, \"The New Text\", 5000) = 1",
                               }));
}

// Closing ends the program after removing the tray icon, from either state; an icon left behind would outlive us.
TEST_F(ControllerTest, QueryUnloadRemovesTheIconThenEnds) {
    for (bool inTray : {false, true}) {
        ControllerRig rig;
        rig.controller.load();
        if (inTray) {
            rig.view.minimise();
            rig.controller.resized();
        }
        rig.desktop.clearCalls();
        rig.view.clearLog();
        rig.controller.queryUnload();
        const std::string main = std::to_string(rig.view.windowHandle());
        EXPECT_EQ(rig.view.timeline(),
                  (Lines{"view: timer off", "Shell_NotifyIconA(NIM_DELETE, " + main + ", 1) = " + (inTray ? "1" : "0"),
                         "view: end"}));
        EXPECT_FALSE(rig.desktop.trayIconShown(rig.view.windowHandle(), 1));
        EXPECT_TRUE(rig.view.ended());
    }
}

// Save writes every box to its file and tells the user in one box titled "MarquillAmp", failures named.
TEST_F(ControllerTest, SaveWritesAllFourAndReports) {
    start();
    setTemplates({L"a %s", L"", L"y\r\n", L"m"});
    controller.saveClicked();
    EXPECT_EQ(files.contents(L"C:\\Amp\\aim.txt"), "a %s");
    EXPECT_EQ(files.contents(L"C:\\Amp\\aol.txt"), "");
    EXPECT_EQ(files.contents(L"C:\\Amp\\yahoo.txt"), "y\r\n");
    EXPECT_EQ(files.contents(L"C:\\Amp\\mirc.txt"), "m");
    ASSERT_EQ(view.messageBoxes.size(), 1u);
    EXPECT_EQ(view.messageBoxes[0].first, L"Messages Saved!");
    EXPECT_EQ(view.messageBoxes[0].second, L"MarquillAmp");

    files.failAt(L"C:\\Amp\\aol.txt", sim::FileStep::Write, L"Disk full.");
    setTemplates({L"A2", L"O2", L"Y2", L"M2"});
    controller.saveClicked();
    EXPECT_EQ(files.contents(L"C:\\Amp\\mirc.txt"), "M2") << "later files are still written";
    ASSERT_EQ(view.messageBoxes.size(), 2u);
    EXPECT_NE(view.messageBoxes[1].first.find(L"C:\\Amp\\aol.txt: Disk full."), std::wstring::npos);
    EXPECT_EQ(view.messageBoxes[1].second, L"MarquillAmp");
}

}  // namespace
}  // namespace marquill::test
