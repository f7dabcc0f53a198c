#include "app/sys_tray.h"

#include <cstddef>
#include <cstring>

#include "platform/win32_numbers.h"

namespace marquill {
namespace {

constexpr std::size_t kTipOffset = 24;
constexpr std::size_t kTipBytes = 64;

void putUint32(TrayRecordBytes& record, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace

TrayRecordBytes fillTrayIconData(WindowHandle window, std::uint32_t icon) {
    TrayRecordBytes record{};
    putUint32(record, 0, static_cast<std::uint32_t>(record.size()));
    putUint32(record, 4, window);
    putUint32(record, 8, kTrayIconId);
    putUint32(record, 12, kTrayFlags);
    putUint32(record, 16, kTrayCallbackMessage);
    putUint32(record, 20, icon);
    const std::size_t tipLength = std::strlen(kTrayTip);
    std::memcpy(&record[kTipOffset], kTrayTip, tipLength);
    record[kTipOffset + tipLength] = 0;
    std::memset(&record[kTipOffset + tipLength + 1], ' ', kTipBytes - tipLength - 1);
    return record;
}

bool restoresFromTray(std::int32_t mouseMessage) {
    const auto message = static_cast<std::uint32_t>(mouseMessage);
    return message == wm::kLeftButtonUp || message == wm::kLeftDoubleClick || message == wm::kRightButtonUp;
}

Tray::Tray(MainView& view, WindowServices& windows) : view_(view), windows_(windows) {}

Tray::~Tray() {
    if (inTray_) {
        windows_.notifyIcon(nim::kDelete, TrayIconData);
    }
}

void Tray::load() {
    TrayIconData = fillTrayIconData(view_.windowHandle(), view_.iconHandle());
}

void Tray::remove() {
    windows_.notifyIcon(nim::kDelete, TrayIconData);
    inTray_ = false;
}

void Tray::resized() {
    if (view_.windowState() != WindowState::Minimised) {
        setRetries(0);  // brought back from the taskbar: no icon to offer any more
    } else if (!inTray_ && !toTray()) {
        setRetries(kTrayRetries);
    }
}

bool Tray::toTray() {
    // Only with its icon there does the window leave the taskbar: with the shell busy, restarting or gone, nothing
    // would bring a hidden window back. An add fails also for an icon the shell kept; a change finds that one.
    // The icon is the window's at its DPI now: the scale may have changed since start-up.
    TrayIconData = fillTrayIconData(view_.windowHandle(), view_.iconHandle());
    if (!windows_.notifyIcon(nim::kAdd, TrayIconData) && !windows_.notifyIcon(nim::kModify, TrayIconData)) {
        return false;
    }
    setRetries(0);
    view_.hideWindow();
    inTray_ = true;
    return true;
}

void Tray::retryTick() {
    if (view_.windowState() != WindowState::Minimised || inTray_) {
        setRetries(0);  // the user brought the window back meanwhile
    } else if (!toTray()) {
        setRetries(retriesLeft_ - 1);
    }
}

void Tray::setRetries(int left) {
    // Never a wait: the window keeps answering while the shell is offered the icon again from its timer.
    if ((left > 0) != (retriesLeft_ > 0)) {
        view_.setTrayRetryTimer(left > 0);
    }
    retriesLeft_ = left;
}

void Tray::iconReported(std::int32_t mouseMessage) {
    // Only the icon's reports restore: the pointer over the shown window can be at x = 514 too.
    if (inTray_ && restoresFromTray(mouseMessage)) {
        bringBack();
    }
}

void Tray::startedAgain() {
    if (inTray_ || view_.windowState() == WindowState::Minimised) {
        bringBack();
    } else {
        windows_.setForegroundWindow(view_.windowHandle());  // shown already: in front, as it is
    }
}

void Tray::bringBack() {
    setRetries(0);
    view_.setWindowState(WindowState::Normal);
    windows_.setForegroundWindow(view_.windowHandle());
    view_.showWindow();
    if (inTray_) {
        windows_.notifyIcon(nim::kDelete, TrayIconData);
        inTray_ = false;
    }
}

void Tray::shellRestarted() {
    // Also for a window left on the taskbar once the retries ran out: the shell is back to take the icon.
    if (view_.windowState() == WindowState::Minimised) {
        inTray_ = false;
        if (!toTray()) {
            setRetries(kTrayRetries);
            // On the taskbar rather than hidden with no icon to click, and the focus stays where the user has it.
            view_.setWindowState(WindowState::Minimised);
        }
    }
}

}  // namespace marquill
