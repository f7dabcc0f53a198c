#include "chat/chat_drivers.h"

#include "platform/window_chain.h"
#include "platform/win32_numbers.h"

namespace marquill {
namespace {

constexpr std::uint32_t kDraftProbeCharacters = 8;

}  // namespace

ChatDrivers::ChatDrivers(WindowServices& windows) : windows_(windows) {}

Delivery ChatDrivers::SendToAIM(std::wstring text) {
    const WindowHandle chat = windows_.findWindow("AIM_ChatWnd");
    const WindowHandle input = followChildChain(windows_, chat, {{"WndAte32Class", 2}, {"Ate32Class", 1}});
    const WindowHandle button = followChildChain(windows_, chat, {{"_Oscar_IconBtn", 5}});
    return deliver(input, button, text, &ChatDrivers::click);
}

Delivery ChatDrivers::SendToAOL(std::wstring text) {
    const WindowHandle textBox =
        followWindowChain(windows_, "AOL Frame25", {{"MDIClient", 1}, {"AOL Child", 1}, {"RICHCNTL", 1}});
    return deliver(textBox, textBox, text, &ChatDrivers::pressEnter);
}

Delivery ChatDrivers::SendToYahoo(std::wstring text) {
    const WindowHandle window = windows_.findWindow("IMClass");
    const WindowHandle input = followChildChain(windows_, window, {{"YIMInputWindow", 1}});
    const WindowHandle button = followChildChain(windows_, window, {{"Button", 4}});
    return deliver(input, button, text, &ChatDrivers::click);
}

Delivery ChatDrivers::SendToMirc(std::wstring text) {
    const WindowHandle editLine =
        followWindowChain(windows_, "mIRC", {{"MDIClient", 1}, {"mIRC_Channel", 1}, {"Edit", 1}});
    return deliver(editLine, editLine, text, &ChatDrivers::pressEnter);
}

Delivery ChatDrivers::deliver(WindowHandle input,
                              WindowHandle sendTarget,
                              const std::wstring& text,
                              void (ChatDrivers::*sendAction)(WindowHandle)) {
    if (input == 0 || sendTarget == 0) {
        return Delivery::NotSent;
    }
    // Any character copied tells that the box holds text; a few characters of room, so that a character of two
    // bytes in the code page always fits.
    const std::optional<std::int32_t> copied =
        windows_.sendGetTextTimeout(input, kDraftProbeCharacters, kAnswerTimeoutMs);
    if (!copied) {
        return Delivery::NotSent;
    }
    if (*copied != 0) {
        return Delivery::InputHasText;
    }
    if (!windows_.sendTextMessageTimeout(input, wm::kSetText, 0, text, kAnswerTimeoutMs)) {
        return Delivery::NotSent;
    }
    (this->*sendAction)(sendTarget);
    return Delivery::Sent;
}

void ChatDrivers::pressEnter(WindowHandle input) {
    windows_.sendMessageTimeout(input, wm::kChar, kEnterKey, 0, kAnswerTimeoutMs);
}

void ChatDrivers::click(WindowHandle button) {
    windows_.postMessage(button, wm::kLeftButtonDown, 0, 0);
    windows_.postMessage(button, wm::kLeftButtonUp, 0, 0);
}

}  // namespace marquill
