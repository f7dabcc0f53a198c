#include "peers/recorder.h"

namespace marquill::peers {

void Recorder::add(const std::string& line) {
    Listener listener;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        lines_.push_back(line);
        listener = listener_;
    }
    if (listener) {
        listener(line);
    }
}

std::vector<std::string> Recorder::lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

void Recorder::setListener(Listener listener) {
    std::lock_guard<std::mutex> lock(mutex_);
    listener_ = std::move(listener);
}

}  // namespace marquill::peers
