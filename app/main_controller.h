#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/chat_clients.h"
#include "app/main_view.h"
#include "chat/chat_drivers.h"
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
// user-interface thread; the window reaches the controller only through these calls.
// Names: Player and TrayIconData are the requirements'; the handlers and the rest follow the house style.
class MainController {
public:
    MainController(MainView& view, const MainServices& services);
    // Takes the tray icon away if it is still shown.
    ~MainController();
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    void load();
    void tick();
    void enableClicked();
    void optionClicked(std::int16_t index);
    void command1Clicked();
    void queryUnload();
    void resized();
    // `x`: the pointer's horizontal position in pixels, which for a report of the tray icon is its mouse message.
    void mouseMoved(std::int32_t x);
    // The change event of the title box, raised inside each change of its text: announces the title unless it is
    // empty. A change raised while an announcement runs is taken up once that announcement has ended.
    void titleChanged();
    void saveClicked();
    // The shell announced itself ("TaskbarCreated"): it came back and forgot every icon, or it only changed its
    // display (a new DPI or resolution, a remote session) and kept them.
    void shellRestarted();
    // The tray retry timer: the icon the shell did not take is offered again.
    void trayRetryTick();
    // The user started the program again while this copy runs: the window comes in front, and from the tray or
    // the taskbar in its normal state, as a click on the tray icon brings it.
    void startedAgain();

private:
    // A client's message that waits until its chat window's input box is empty: the box held the user's text.
    struct WaitingMessage {
        std::wstring title;  // the song it announces: it goes out only while the title box still shows it
        std::wstring text;
    };

    // Composes each client's message from its template and the holders, read once for all four, and hands it to
    // the client's driver; nothing for an empty title. What waited for an earlier title is dropped, and a change of
    // title raised meanwhile ends the delivery: the old song goes to no client after it.
    void announce();
    // Runs `work`, then each title change raised inside it, once, as announcements of their own.
    void oneAtATime(void (MainController::*work)());
    // From the tick: each waiting message tried again while its song plays, at most every kWaitingRetrySeconds;
    // nothing to do when none waits.
    void retryWaiting();
    void deliverWaiting();
    // Normal state, in front, shown, and no longer in the tray.
    void bringBack();
    // The minimised window into the tray, hidden, once its icon is there, whether added now or kept by the shell;
    // false when the shell took neither, and the window stays on the taskbar.
    bool toTray();
    // The retry timer runs while `left` retries are to come.
    void setTrayRetries(int left);

    MainView& view_;
    MainServices services_;
    TemplateStore store_;
    ChatDrivers drivers_;

    std::unique_ptr<WinampAPI> Player;
    TrayRecordBytes TrayIconData{};
    bool inTray_ = false;
    int trayRetriesLeft_ = 0;
    bool announcing_ = false;
    bool titleChangedWhileAnnouncing_ = false;
    std::array<std::optional<WaitingMessage>, kClientCount> waiting_;
    double lastAskedWaiting_ = 0;  // when a chat window with a draft was last asked, in seconds since midnight
};

}  // namespace marquill
