#pragma once

namespace marquill {

// Lets the program's own window events run during a wait inside a handler.
class EventPump {
public:
    EventPump() = default;
    EventPump(const EventPump&) = delete;
    EventPump& operator=(const EventPump&) = delete;
    virtual ~EventPump() = default;

    // Handles the events that are pending. When none is, first waits a short while (a few milliseconds) for one,
    // so that a caller looping on the clock does not burn a core.
    virtual void processPendingEvents() = 0;
};

}  // namespace marquill
