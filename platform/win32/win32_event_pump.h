#pragma once

#include "platform/event_pump.h"

namespace marquill::win32 {

// Dispatches the calling thread's pending messages; when there are none, sleeps until one arrives or a few
// milliseconds pass. A WM_QUIT it meets is posted again so that the message loop still ends; after that it only
// sleeps, since the waiting quit request would otherwise wake it at once on every pass.
class Win32EventPump final : public EventPump {
public:
    void processPendingEvents() override;

    static constexpr unsigned long kIdleWaitMs = 10;

private:
    bool quitPending_ = false;
};

}  // namespace marquill::win32
