#pragma once

#include <cstdint>
#include <string>

#include "platform/window_services.h"

namespace marquill {

// One driver per chat client: finds the topmost chat window by its chain of window classes, sets the input box's
// text with one WM_SETTEXT and sends it with Enter or a posted click. No state is kept between calls; a client
// without an open chat window receives nothing, and nothing is reported. A chat window is waited for as long as
// kAnswerTimeoutMs for each message, and not at all once it is known to hang. A found input box that did not take
// the text within that bound is not sent: the Enter or click would send whatever the box holds by then, the
// user's own draft perhaps. A click without any input box found is still made.
// Names: SendToAIM, SendToAOL, SendToYahoo, SendToMirc, ClickAIMSend and ClickYahooSend are the requirements';
// the private helpers follow the house style.
class ChatDrivers {
public:
    explicit ChatDrivers(WindowServices& windows);

    void SendToAIM(std::wstring text);
    void SendToAOL(std::wstring text);
    void SendToYahoo(std::wstring text);
    void SendToMirc(std::wstring text);
    void ClickAIMSend();
    void ClickYahooSend();

private:
    // True when the window answered: its box holds the text.
    bool setText(WindowHandle window, const std::wstring& text);
    void pressEnter(WindowHandle window);
    void click(WindowHandle button);

    WindowServices& windows_;
};

}  // namespace marquill
