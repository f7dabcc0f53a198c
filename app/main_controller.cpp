#include "app/main_controller.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <vector>

#include "app/flat_style.h"
#include "app/main_window_description.h"
#include "app/sys_tray.h"
#include "app/version.h"
#include "message/compose_message.h"
#include "platform/window_chain.h"
#include "platform/win32_numbers.h"

namespace marquill {
namespace {

namespace id = mainwindow::id;

constexpr const char* kGtkToplevelClass = "gdkWindowToplevel";
constexpr const char* kGtkChildClass = "gdkWindowChild";
constexpr const wchar_t* kGtkTestText = L"The New Text";
constexpr const wchar_t* kApplicationTitle = L"" MARQUILL_PRODUCT_NAME;
constexpr const wchar_t* kCaption = L"" MARQUILL_PRODUCT_NAME " " MARQUILL_VERSION_MAJOR_TEXT;  // "MarquillAmp 1"
// A chat window that answers slowly, but answers, would cost up to the answer bound on every 5 ms tick.
constexpr double kWaitingRetrySeconds = 0.25;

// A step that fails is skipped and the handler goes on with the next one; nothing is reported.
template <typename Step>
bool guarded(Step&& step) {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

MainController::MainController(MainView& view, const MainServices& services)
    : view_(view),
      services_(services),
      store_(services.files, services.codec, templateFileNames()),
      drivers_(services.windows, services.memory) {}

MainController::~MainController() {
    // A session that ends without a close request (WM_QUIT) must not leave an icon that leads nowhere.
    if (inTray_) {
        services_.windows.notifyIcon(nim::kDelete, TrayIconData);
    }
}

void MainController::load() {
    Player = std::make_unique<WinampAPI>(services_.windows, services_.clock, services_.events);
    view_.setCaption(kCaption);
    for (int client = 0; client < kClientCount; ++client) {
        MakeFlat(services_.windows, view_.controlHandle(id::txtData(client)));
    }
    MakeFlat(services_.windows, view_.controlHandle(id::kCmdSave));
    const auto templates = store_.LoadTemplates();
    for (int client = 0; client < kClientCount; ++client) {
        if (const auto& loaded = templates[static_cast<std::size_t>(client)]) {
            view_.setText(id::txtData(client), *loaded);
        }
    }
    // Filled again at each add; the delete at the end needs it whether or not an icon was ever added.
    TrayIconData = fillTrayIconData(view_.windowHandle(), view_.iconHandle());
    view_.showWindow();
}

void MainController::tick() {
    // One reading of the player a tick. The labels take its values before the title box, whose change announces
    // at once, so a new song goes out with its own time, number, percent and playlist length.
    const PlayerReading reading = Player->read();
    if (!view_.timerEnabled()) {
        return;  // switched off while the player was asked (its click is handled inside the wait): nothing to tell
    }
    guarded([&] { view_.setText(id::kLbltTime, reading.TrackTime()); });
    guarded([&] { view_.setText(id::kLblTrackNumber, std::to_wstring(reading.TrackNumber())); });
    guarded([&] {
        const std::optional<std::int32_t> percent = reading.TrackTimePercent();
        view_.setText(id::kLblTrackPer, percent ? std::to_wstring(*percent) : std::wstring());
    });
    guarded([&] { view_.setText(id::kLblTotalTracks, std::to_wstring(reading.TracksInPlaylist())); });
    guarded([&] { view_.setText(id::kTxtTitle, reading.SongTitle()); });
    retryWaiting();
}

void MainController::enableClicked() {
    if (!view_.timerEnabled()) {
        view_.setTimerEnabled(true);
        return;
    }
    view_.setTimerEnabled(false);
    view_.setText(id::kTxtTitle, L"");
}

void MainController::optionClicked(std::int16_t index) {
    if (index < 0 || index >= kClientCount) {
        return;
    }
    for (int client = 0; client < kClientCount; ++client) {
        view_.setVisible(id::txtData(client), false);
        view_.setBold(id::optFormate(client), false);
    }
    view_.setVisible(id::txtData(index), true);
    view_.setBold(id::optFormate(index), true);
}

void MainController::command1Clicked() {
    // The 4th child of the top-level window, then two levels of first children.
    const WindowHandle target = followWindowChain(services_.windows, kGtkToplevelClass,
                                                  {{kGtkChildClass, 4}, {kGtkChildClass, 1}, {kGtkChildClass, 1}});
    if (target != 0) {
        services_.windows.sendTextMessageTimeout(target, wm::kSetText, 0, kGtkTestText, kAnswerTimeoutMs);
    }
}

void MainController::queryUnload() {
    // First: a close handled while the tick waits for the player must find the timer off when that tick goes on.
    view_.setTimerEnabled(false);
    services_.windows.notifyIcon(nim::kDelete, TrayIconData);
    inTray_ = false;
    view_.endProgram();
}

void MainController::resized() {
    if (view_.windowState() != WindowState::Minimised) {
        setTrayRetries(0);  // brought back from the taskbar: no icon to offer any more
    } else if (!inTray_ && !toTray()) {
        setTrayRetries(kTrayRetries);
    }
}

bool MainController::toTray() {
    // Only with its icon there does the window leave the taskbar: with the shell busy, restarting or gone, nothing
    // would bring a hidden window back. An add fails also for an icon the shell kept; a change finds that one.
    // The icon is the window's at its DPI now: the scale may have changed since start-up.
    TrayIconData = fillTrayIconData(view_.windowHandle(), view_.iconHandle());
    if (!services_.windows.notifyIcon(nim::kAdd, TrayIconData) &&
        !services_.windows.notifyIcon(nim::kModify, TrayIconData)) {
        return false;
    }
    setTrayRetries(0);
    view_.hideWindow();
    inTray_ = true;
    return true;
}

void MainController::trayRetryTick() {
    if (view_.windowState() != WindowState::Minimised || inTray_) {
        setTrayRetries(0);  // the user brought the window back meanwhile
    } else if (!toTray()) {
        setTrayRetries(trayRetriesLeft_ - 1);
    }
}

void MainController::setTrayRetries(int left) {
    // Never a wait: the window keeps answering while the shell is offered the icon again from its timer.
    if ((left > 0) != (trayRetriesLeft_ > 0)) {
        view_.setTrayRetryTimer(left > 0);
    }
    trayRetriesLeft_ = left;
}

void MainController::mouseMoved(std::int32_t x) {
    // Only the icon's reports restore: the pointer over the shown window can be at x = 514 too.
    if (inTray_ && restoresFromTray(x)) {
        bringBack();
    }
}

void MainController::startedAgain() {
    if (inTray_ || view_.windowState() == WindowState::Minimised) {
        bringBack();
    } else {
        services_.windows.setForegroundWindow(view_.windowHandle());  // shown already: in front, as it is
    }
}

void MainController::bringBack() {
    setTrayRetries(0);
    view_.setWindowState(WindowState::Normal);
    services_.windows.setForegroundWindow(view_.windowHandle());
    view_.showWindow();
    if (inTray_) {
        services_.windows.notifyIcon(nim::kDelete, TrayIconData);
        inTray_ = false;
    }
}

void MainController::titleChanged() {
    if (announcing_) {
        // Another program's message handled while a chat window is waited for: the announcement in progress
        // finishes with the values it read, and the change is taken up after it, once.
        titleChangedWhileAnnouncing_ = true;
        return;
    }
    oneAtATime(&MainController::announce);
}

void MainController::oneAtATime(void (MainController::*work)()) {
    announcing_ = true;
    const struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{announcing_};
    titleChangedWhileAnnouncing_ = false;
    (this->*work)();
    while (titleChangedWhileAnnouncing_) {
        titleChangedWhileAnnouncing_ = false;
        announce();
    }
}

void MainController::saveClicked() {
    std::vector<std::wstring> templates;
    for (int client = 0; client < kClientCount; ++client) {
        templates.push_back(view_.text(id::txtData(client)));
    }
    view_.messageBox(saveReport(store_.save(templates)), kApplicationTitle);
}

void MainController::shellRestarted() {
    // Also for a window left on the taskbar once the retries ran out: the shell is back to take the icon.
    if (view_.windowState() == WindowState::Minimised) {
        inTray_ = false;
        if (!toTray()) {
            setTrayRetries(kTrayRetries);
            // On the taskbar rather than hidden with no icon to click, and the focus stays where the user has it.
            view_.setWindowState(WindowState::Minimised);
        }
    }
}

void MainController::announce() {
    waiting_ = {};
    PlaceholderValues values;
    if (!guarded([&] {
            values = {view_.text(id::kTxtTitle),
                      view_.text(id::kLbltTime),
                      view_.text(id::kLblTrackNumber),
                      view_.text(id::kLblTrackPer),
                      view_.text(id::kLblTotalTracks),
                      {},
                      {}};
        }) ||
        values.title.empty()) {
        return;  // an empty title (announcing switched off, the player closed) has no song to tell anyone about
    }
    // The clock is read only for a song to announce, once for all four clients.
    LocalTimeTexts now = services_.clock.localTimeTexts();
    values.timeOfDay = std::move(now.timeOfDay);
    values.date = std::move(now.date);
    for (int client = 0; client < kClientCount && !titleChangedWhileAnnouncing_; ++client) {
        const ChatClientInfo& info = kClients[static_cast<std::size_t>(client)];
        guarded([&] {
            const std::wstring templateText = view_.text(id::txtData(client));
            if (templateText.empty()) {
                return;
            }
            const std::wstring message = info.linesAreCommands ? ComposeIrcMessage(templateText, values)
                                                               : ComposeMessage(templateText, values, info.markup);
            if ((drivers_.*info.send)(message) == Delivery::InputHasText) {
                waiting_[static_cast<std::size_t>(client)] = WaitingMessage{values.title, message};
                lastAskedWaiting_ = services_.clock.secondsSinceMidnight();
            }
        });
    }
}

void MainController::retryWaiting() {
    const bool anyWaiting =
        std::any_of(waiting_.begin(), waiting_.end(), [](const auto& message) { return message.has_value(); });
    if (!anyWaiting || announcing_) {
        return;
    }
    const double now = services_.clock.secondsSinceMidnight();
    const double since = now - lastAskedWaiting_;  // below 0 past midnight, or with the clock set back
    if (since >= 0 && since < kWaitingRetrySeconds) {
        return;
    }
    lastAskedWaiting_ = now;
    oneAtATime(&MainController::deliverWaiting);
}

void MainController::deliverWaiting() {
    std::wstring title;
    if (!guarded([&] { title = view_.text(id::kTxtTitle); })) {
        return;
    }
    for (int client = 0; client < kClientCount && !titleChangedWhileAnnouncing_; ++client) {
        std::optional<WaitingMessage>& message = waiting_[static_cast<std::size_t>(client)];
        if (!message) {
            continue;
        }
        if (message->title != title) {
            message.reset();  // its song has ended
            continue;
        }
        guarded([&] {
            if ((drivers_.*kClients[static_cast<std::size_t>(client)].send)(message->text) != Delivery::InputHasText) {
                message.reset();
            }
        });
    }
}

}  // namespace marquill
