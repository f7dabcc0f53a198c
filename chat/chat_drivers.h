#pragma once

#include <cstdint>
#include <string>

#include "platform/shared_memory.h"
#include "platform/window_services.h"

namespace marquill {

// What became of one message.
enum class Delivery {
    Sent,          // typed into the input box, and the client's send action made
    InputHasText,  // the input box holds text, the user's draft perhaps: nothing was touched
    NotSent,       // no chat window, no way to send, a window that did not answer in time, or one that refused
};

// One driver per chat client: finds the topmost chat window by its chain of window classes, asks its input box
// whether it holds any text, and only when the box is empty sets its text with one WM_SETTEXT and sends it with Enter
// or a posted click. No state is kept between calls. A chat window is waited for as long as kAnswerTimeoutMs for each
// message, and not at all once it is known to hang. Enter or click follow only a text the box took in this call,
// in the chat window that took it: otherwise they would send whatever the box holds, the user's draft perhaps. And
// nothing is typed where it cannot be sent: it would stay in the box and hold up every later message as a draft.
// mIRC 7 and later have no edit line to type into: their channel window takes each line through mIRC's own command
// message, and the user's editbox is never touched, so nothing waits for a draft there.
// Names: SendToAIM, SendToAOL, SendToYahoo and SendToMirc are the requirements'; the private helpers follow the
// house style.
class ChatDrivers {
public:
    ChatDrivers(WindowServices& windows, SharedMemory& memory);

    Delivery SendToAIM(std::wstring text);
    Delivery SendToAOL(std::wstring text);
    Delivery SendToYahoo(std::wstring text);
    Delivery SendToMirc(std::wstring text);

private:
    // The steps every client shares, once its input box and the window of its send action are found.
    Delivery deliver(WindowHandle input,
                     WindowHandle sendTarget,
                     const std::wstring& text,
                     void (ChatDrivers::*sendAction)(WindowHandle));
    void pressEnter(WindowHandle input);
    void click(WindowHandle button);
    // Each line of `text` that is not empty, in order, through mIRC's command message to `channel`.
    Delivery sendMircCommands(WindowHandle channel, const std::wstring& text);
    bool sendMircCommand(WindowHandle channel, const std::wstring& line);

    WindowServices& windows_;
    SharedMemory& memory_;
};

}  // namespace marquill
