#pragma once

#include <cstdint>

#include "app/main_view.h"
#include "app/version.h"
#include "platform/win32_numbers.h"
#include "platform/window_services.h"

namespace marquill {

constexpr std::uint32_t kTrayIconId = 1;
constexpr std::uint32_t kTrayFlags = nif::kMessage | nif::kIcon | nif::kTip;  // 7
constexpr std::uint32_t kTrayCallbackMessage = wm::kMouseMove;  // the icon's reports arrive as mouse moves
// How often, and how far apart, an icon the shell did not take is offered again while the window waits on the
// taskbar: a busy shell gives up on a call after a few seconds, and answers again soon after.
constexpr int kTrayRetries = 5;
constexpr std::uint32_t kTrayRetryIntervalMs = 2000;
// " MarquillAmp 1 ": the caption's name and major version, a blank on either side.
constexpr const char* kTrayTip = " " MARQUILL_PRODUCT_NAME " " MARQUILL_VERSION_MAJOR_TEXT " ";

// The tray record: cbSize 88, the window, id 1, flags 7, callback 512, the icon, then the tip, one NUL and
// blanks to the full 64 bytes. Little-endian, no padding.
TrayRecordBytes fillTrayIconData(WindowHandle window, std::uint32_t icon);

// Whether a mouse message reported by the tray icon brings the window back: the release of the left button, a
// double click, and also the release of the right button, since the icon has no menu that a right click could open.
bool restoresFromTray(std::int32_t mouseMessage);

// The window's place in the tray. Minimised, it leaves the taskbar only once the shell holds its icon; an icon the
// shell did not take is offered again from a timer of the window's own; a click on the icon or a second start
// brings the window back; the icon goes with the window.
// Names: TrayIconData is the requirements'; the rest follows the house style.
class Tray {
public:
    Tray(MainView& view, WindowServices& windows);
    // Takes the icon away if it is still shown: a session that ends without a close request (WM_QUIT) must not
    // leave an icon that leads nowhere.
    ~Tray();
    Tray(const Tray&) = delete;
    Tray& operator=(const Tray&) = delete;

    // Fills the record for the window; the removal at the end needs it whether or not an icon was ever added.
    void load();
    // The window was resized: minimised, it goes to the tray; brought back from the taskbar, no icon is offered.
    void resized();
    // `mouseMessage`: what the icon reported.
    void iconReported(std::int32_t mouseMessage);
    // The retry timer: the icon the shell did not take is offered again.
    void retryTick();
    // The shell announced itself ("TaskbarCreated"): it came back and forgot every icon, or it only changed its
    // display (a new DPI or resolution, a remote session) and kept them.
    void shellRestarted();
    // The user started the program again while this copy runs: the window comes in front, and from the tray or
    // the taskbar in its normal state, as a click on the icon brings it.
    void startedAgain();
    // The window closes: its icon goes.
    void remove();

private:
    // Normal state, in front, shown, and no longer in the tray.
    void bringBack();
    // The minimised window into the tray, hidden, once its icon is there, whether added now or kept by the shell;
    // false when the shell took neither, and the window stays on the taskbar.
    bool toTray();
    // The retry timer runs while `left` retries are to come.
    void setRetries(int left);

    MainView& view_;
    WindowServices& windows_;
    TrayRecordBytes TrayIconData{};
    bool inTray_ = false;
    int retriesLeft_ = 0;
};

}  // namespace marquill
