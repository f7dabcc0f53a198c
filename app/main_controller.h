#pragma once

#include <cstdint>
#include <memory>

#include "app/announcement.h"
#include "app/main_view.h"
#include "app/sys_tray.h"
#include "message/template_store.h"
#include "platform/ansi_codec.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/files.h"
#include "platform/shared_memory.h"
#include "platform/window_services.h"
#include "winamp/winamp_api.h"

namespace marquill {

struct MainServices {
    WindowServices& windows;
    const Clock& clock;
    EventPump& events;
    const AnsiCodec& codec;
    Files& files;
    SharedMemory& memory;
};

// The event handlers of the main window frmMain: the whole control flow of the program. Each runs to its end on the
// user-interface thread; the window reaches the controller only through these calls, and the controller hands the
// tray's events to the tray and the title's changes to the announcement.
// Names: Player is the requirements'; the handlers and the rest follow the house style.
class MainController {
public:
    MainController(MainView& view, const MainServices& services);
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    void load();
    void tick();
    void enableClicked();
    void optionClicked(std::int16_t index);
    void command1Clicked();
    void queryUnload();
    void resized() { tray_.resized(); }
    // `x`: the pointer's horizontal position in pixels, which for a report of the tray icon is its mouse message.
    void mouseMoved(std::int32_t x) { tray_.iconReported(x); }
    void titleChanged() { announcement_.titleChanged(); }
    void saveClicked();
    void shellRestarted() { tray_.shellRestarted(); }
    void trayRetryTick() { tray_.retryTick(); }
    void startedAgain() { tray_.startedAgain(); }

private:
    MainView& view_;
    MainServices services_;
    TemplateStore store_;
    Announcement announcement_;
    Tray tray_;
    std::unique_ptr<WinampAPI> Player;
};

}  // namespace marquill
