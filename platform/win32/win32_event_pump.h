#pragma once

#include "platform/event_pump.h"

namespace marquill::win32 {

// Dispatches the calling thread's pending messages; when there are none, sleeps until one arrives or a few
// milliseconds pass. A WM_QUIT it meets is posted again so that the message loop still ends.
class Win32EventPump final : public EventPump {
public:
    void processPendingEvents() override;

    static constexpr unsigned long kIdleWaitMs = 10;
};

}  // namespace marquill::win32
