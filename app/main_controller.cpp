#include "app/main_controller.h"

#include <optional>
#include <vector>

#include "app/chat_clients.h"
#include "app/flat_style.h"
#include "app/guarded_step.h"
#include "app/main_window_description.h"
#include "app/version.h"
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

}  // namespace

MainController::MainController(MainView& view, const MainServices& services)
    : view_(view),
      services_(services),
      store_(services.files, services.codec, templateFileNames()),
      announcement_(view, services.windows, services.memory, services.clock),
      tray_(view, services.windows) {}

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
    tray_.load();
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
    announcement_.retryDrafts();
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
    tray_.remove();
    view_.endProgram();
}

void MainController::saveClicked() {
    std::vector<std::wstring> templates;
    for (int client = 0; client < kClientCount; ++client) {
        templates.push_back(view_.text(id::txtData(client)));
    }
    view_.messageBox(saveReport(store_.save(templates)), kApplicationTitle);
}

}  // namespace marquill
