#include "chat/chat_drivers.h"

#include "chat/mirc_command.h"
#include "platform/window_chain.h"
#include "platform/win32_numbers.h"

namespace marquill {
namespace {

constexpr std::uint32_t kDraftProbeCharacters = 8;

}  // namespace

ChatDrivers::ChatDrivers(WindowServices& windows, SharedMemory& memory) : windows_(windows), memory_(memory) {}

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
    const WindowHandle channel = followWindowChain(windows_, "mIRC", {{"MDIClient", 1}, {"mIRC_Channel", 1}});
    if (channel == 0) {
        return Delivery::NotSent;
    }
    // mIRC 6 and older: the edit line. Since 7.0 the editbox is a rich edit, and the command message takes the text.
    if (const WindowHandle editLine = followChildChain(windows_, channel, {{"Edit", 1}})) {
        return deliver(editLine, editLine, text, &ChatDrivers::pressEnter);
    }
    return sendMircCommands(channel, text);
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

Delivery ChatDrivers::sendMircCommands(WindowHandle channel, const std::wstring& text) {
    Delivery delivery = Delivery::NotSent;
    for (const std::wstring& line : mirc::commandLines(text)) {
        if (!sendMircCommand(channel, line)) {
            return Delivery::NotSent;  // the lines after it would arrive without it
        }
        delivery = Delivery::Sent;
    }
    return delivery;
}

bool ChatDrivers::sendMircCommand(WindowHandle channel, const std::wstring& line) {
    for (std::uint32_t n = 1; n <= mirc::kMappingNames; ++n) {
        const NewSharedBlock mapping =
            memory_.createSharedBlock(L"mIRC" + std::to_wstring(n), mirc::kMappingBytes, line);
        if (mapping.block) {
            // Held until mIRC has answered. 0: the user switched mIRC's SendMessage server off, or mIRC runs
            // elevated and Windows filtered the message; neither is ours to mend.
            return windows_.sendMessageTimeout(channel, mirc::kCommandMessage,
                                               mirc::kPlainText | mirc::kFloodProtection | mirc::kUnicode,
                                               static_cast<std::int32_t>(n), kAnswerTimeoutMs) == 1;
        }
        if (!mapping.nameTaken) {
            return false;
        }
    }
    return false;
}

void ChatDrivers::click(WindowHandle button) {
    windows_.postMessage(button, wm::kLeftButtonDown, 0, 0);
    windows_.postMessage(button, wm::kLeftButtonUp, 0, 0);
}

}  // namespace marquill
