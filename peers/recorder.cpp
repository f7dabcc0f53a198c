#include "peers/recorder.h"

#include <atomic>

namespace marquill::peers {
namespace {

std::atomic<std::uint64_t> arrivals{0};

}  // namespace

void Recorder::add(const std::string& line) {
    Listener listener;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        entries_.push_back(RecordedLine{++arrivals, line});
        listener = listener_;
    }
    if (listener) {
        listener(line);
    }
}

std::vector<std::string> Recorder::lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> lines;
    for (const RecordedLine& entry : entries_) {
        lines.push_back(entry.line);
    }
    return lines;
}

std::vector<RecordedLine> Recorder::entries() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return entries_;
}

void Recorder::setListener(Listener listener) {
    std::lock_guard<std::mutex> lock(mutex_);
    listener_ = std::move(listener);
}

}  // namespace marquill::peers
