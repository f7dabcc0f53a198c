#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace marquill::peers {

// A recorded line with its place among the lines of every recorder in the process, so arrivals at different peers
// can be put in one order.
struct RecordedLine {
    std::uint64_t order;
    std::string line;
};

// What the windows of one peer received, in arrival order, as "<window label> <event>" lines. Written on the
// peer's window thread, read from any thread.
class Recorder {
public:
    using Listener = std::function<void(const std::string& line)>;

    void add(const std::string& line);
    std::vector<std::string> lines() const;
    std::vector<RecordedLine> entries() const;

    // Called on the recording thread after each line; programs use it to show what arrived.
    void setListener(Listener listener);

private:
    mutable std::mutex mutex_;
    std::vector<RecordedLine> entries_;
    Listener listener_;
};

}  // namespace marquill::peers
