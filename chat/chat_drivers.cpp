#include "chat/chat_drivers.h"

#include "platform/window_chain.h"
#include "platform/win32_numbers.h"

namespace marquill {
ChatDrivers::ChatDrivers(WindowServices& windows) : windows_(windows) {}

void ChatDrivers::SendToAIM(std::wstring text) {
    setText(followWindowChain(windows_, "AIM_ChatWnd", {{"WndAte32Class", 2}, {"Ate32Class", 1}}), text);
    ClickAIMSend();
}

void ChatDrivers::SendToAOL(std::wstring text) {
    const WindowHandle textBox =
        followWindowChain(windows_, "AOL Frame25", {{"MDIClient", 1}, {"AOL Child", 1}, {"RICHCNTL", 1}});
    setText(textBox, text);
    pressEnter(textBox);
}

void ChatDrivers::SendToYahoo(std::wstring text) {
    setText(followWindowChain(windows_, "IMClass", {{"YIMInputWindow", 1}}), text);
    ClickYahooSend();
}

void ChatDrivers::SendToMirc(std::wstring text) {
    const WindowHandle editLine =
        followWindowChain(windows_, "mIRC", {{"MDIClient", 1}, {"mIRC_Channel", 1}, {"Edit", 1}});
    setText(editLine, text);
    pressEnter(editLine);
}

void ChatDrivers::ClickAIMSend() {
    click(followWindowChain(windows_, "AIM_ChatWnd", {{"_Oscar_IconBtn", 5}}));
}

void ChatDrivers::ClickYahooSend() {
    click(followWindowChain(windows_, "IMClass", {{"Button", 4}}));
}

void ChatDrivers::setText(WindowHandle window, const std::wstring& text) {
    if (window != 0) {
        windows_.sendTextMessageTimeout(window, wm::kSetText, 0, text, kAnswerTimeoutMs);
    }
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
