#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/chat_clients.h"
#include "platform/clock.h"

namespace marquill {

// The messages the users' drafts hold back: a client whose input box held text gets its message later, once the
// box is empty, and only while the song it announces still plays. One slot a client.
class Drafts {
public:
    // A new title: what waited for the one before is dropped.
    void clear() { waiting_ = {}; }
    // `client`'s input box held text when asked at `now` (seconds since midnight): `text`, announcing `title`, waits.
    void hold(int client, std::wstring title, std::wstring text, double now);
    // Whether a message waits and the boxes were last asked kRetrySeconds ago or more (or the clock went back, as at
    // midnight); then they are asked again now. The clock is read only while a message waits: this runs every tick.
    bool due(const Clock& clock);
    // The message waiting for `client` while its song is `title`; none, and one of another song dropped, otherwise.
    const std::wstring* waitingFor(int client, const std::wstring& title);
    // `client`'s message went out, or cannot go: it waits no more.
    void release(int client) { waiting_[static_cast<std::size_t>(client)].reset(); }

    // A chat window that answers slowly, but answers, would cost up to the answer bound on every 5 ms tick.
    static constexpr double kRetrySeconds = 0.25;

private:
    struct Waiting {
        std::wstring title;
        std::wstring text;
    };

    std::array<std::optional<Waiting>, kClientCount> waiting_;
    double lastAsked_ = 0;
};

}  // namespace marquill
