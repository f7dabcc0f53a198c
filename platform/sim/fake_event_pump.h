#pragma once

#include <functional>

#include "platform/event_pump.h"

namespace marquill::sim {

// Counts the passes of a wait and runs a test's action in each (typically: move a fake clock on).
class FakeEventPump final : public EventPump {
public:
    void onPass(std::function<void()> action) { action_ = std::move(action); }
    int passes() const { return passes_; }

    void processPendingEvents() override {
        ++passes_;
        if (action_) {
            action_();
        }
    }

private:
    std::function<void()> action_;
    int passes_ = 0;
};

}  // namespace marquill::sim
