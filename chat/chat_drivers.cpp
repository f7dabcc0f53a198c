#include "chat/chat_drivers.h"

#include "platform/window_chain.h"
#include "platform/win32_numbers.h"

namespace marquill {
ChatDrivers::ChatDrivers(WindowServices& windows) : windows_(windows) {}

void ChatDrivers::SendToAIM(std::wstring text) {
    const WindowHandle input = followWindowChain(windows_, "AIM_ChatWnd", {{"WndAte32Class", 2}, {"Ate32Class", 1}});
    if (input == 0 || setText(input, text)) {
        ClickAIMSend();
    }
}

void ChatDrivers::SendToAOL(std::wstring text) {
    const WindowHandle textBox =
        followWindowChain(windows_, "AOL Frame25", {{"MDIClient", 1}, {"AOL Child", 1}, {"RICHCNTL", 1}});
    if (textBox != 0 && setText(textBox, text)) {
        pressEnter(textBox);
    }
}

void ChatDrivers::SendToYahoo(std::wstring text) {
    const WindowHandle input = followWindowChain(windows_, "IMClass", {{"YIMInputWindow", 1}});
    if (input == 0 || setText(input, text)) {
        ClickYahooSend();
    }
}

void ChatDrivers::SendToMirc(std::wstring text) {
    const WindowHandle editLine =
        followWindowChain(windows_, "mIRC", {{"MDIClient", 1}, {"mIRC_Channel", 1}, {"Edit", 1}});
    if (editLine != 0 && setText(editLine, text)) {
        pressEnter(editLine);
    }
}

void ChatDrivers::ClickAIMSend() {
    click(followWindowChain(windows_, "AIM_ChatWnd", {{"_Oscar_IconBtn", 5}}));
}

void ChatDrivers::ClickYahooSend() {
    click(followWindowChain(windows_, "IMClass", {{"Button", 4}}));
}

bool ChatDrivers::setText(WindowHandle window, const std::wstring& text) {
    return windows_.sendTextMessageTimeout(window, wm::kSetText, 0, text, kAnswerTimeoutMs).has_value();
}

void ChatDrivers::pressEnter(WindowHandle window) {
    if (window != 0) {
        windows_.sendMessageTimeout(window, wm::kChar, kEnterKey, 0, kAnswerTimeoutMs);
    }
}

void ChatDrivers::click(WindowHandle button) {
    if (button != 0) {
        windows_.postMessage(button, wm::kLeftButtonDown, 0, 0);
        windows_.postMessage(button, wm::kLeftButtonUp, 0, 0);
    }
}

}  // namespace marquill
