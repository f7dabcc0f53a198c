#include "app/drafts.h"

#include <algorithm>
#include <utility>

namespace marquill {

void Drafts::hold(int client, std::wstring title, std::wstring text, double now) {
    waiting_[static_cast<std::size_t>(client)] = Waiting{std::move(title), std::move(text)};
    lastAsked_ = now;
}

bool Drafts::due(const Clock& clock) {
    if (std::none_of(waiting_.begin(), waiting_.end(), [](const auto& slot) { return slot.has_value(); })) {
        return false;
    }
    const double now = clock.secondsSinceMidnight();
    const double since = now - lastAsked_;
    if (since >= 0 && since < kRetrySeconds) {
        return false;
    }
    lastAsked_ = now;
    return true;
}

const std::wstring* Drafts::waitingFor(int client, const std::wstring& title) {
    std::optional<Waiting>& slot = waiting_[static_cast<std::size_t>(client)];
    if (slot && slot->title != title) {
        slot.reset();  // its song has ended
    }
    return slot ? &slot->text : nullptr;
}

}  // namespace marquill
