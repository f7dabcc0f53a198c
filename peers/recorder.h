#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace marquill::peers {

// What the windows of one peer received, in arrival order, as "<window label> <event>" lines. Written on the
// peer's window thread, read from any thread.
class Recorder {
public:
    using Listener = std::function<void(const std::string& line)>;

    void add(const std::string& line);
    std::vector<std::string> lines() const;

    // Called on the recording thread after each line; programs use it to show what arrived.
    void setListener(Listener listener);

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    Listener listener_;
};

}  // namespace marquill::peers
