#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window_description.h"
#include "app/win32/session_copy.h"
#include "peers/peer_tree.h"
#include "peers/window_trees.h"
#include "platform/win32/window_procedure.h"
#include "tests/win32/support/main_view_fixture.h"

namespace marquill::win32 {
namespace {

namespace id = mainwindow::id;

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

// What reaches the window before its load step finds no controller: a new start's bring-back is not answered as
// done (that start asks again until this copy has loaded), and a click on the switch or a tick starts nothing that
// needs the player link or the templates.
TEST_F(MainViewTest, NothingRunsBeforeTheLoadStep) {
    ASSERT_TRUE(created);
    EXPECT_NE(broughtBackBeforeLoad, kBroughtBack);
    EXPECT_FALSE(view->timerEnabled());
}

// An icon the shell did not take is offered again from the window's own timer: its tick must reach the tray, or a
// window left on the taskbar by a busy shell never goes to the tray. Here the window is minimised without its
// resize reaching the program, as if the shell had refused the icon then.
TEST_F(MainViewTest, TheTrayRetryTimerOffersTheIconAgain) {
    ASSERT_TRUE(created);
    struct Unresized {
        WNDPROC original;
        LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
            return message == WM_SIZE ? 0 : CallWindowProcW(original, window, message, wParam, lParam);
        }
    } unresized{reinterpret_cast<WNDPROC>(GetWindowLongPtrW(view->window(), GWLP_WNDPROC))};
    bool shownBefore = false;
    bool shownAfter = true;
    ui.run([&] {
        attachWindow(view->window(), &unresized);
        SetWindowLongPtrW(view->window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(attachedWindowProc<Unresized>));
        ShowWindow(view->window(), SW_SHOWMINNOACTIVE);
        SetWindowLongPtrW(view->window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(unresized.original));
        attachWindow(view->window(), view.get());
        shownBefore = IsWindowVisible(view->window()) != 0;
        SendMessageW(view->window(), WM_TIMER, Win32MainView::kTrayRetryTimer, 0);
        shownAfter = IsWindowVisible(view->window()) != 0;
    });
    EXPECT_TRUE(shownBefore) << "minimised on the taskbar";
    EXPECT_FALSE(shownAfter) << "in the tray";
}

}  // namespace
}  // namespace marquill::win32
