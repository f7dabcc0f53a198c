#include "app/session_place.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/window_services.h"

namespace marquill::test {
namespace {

constexpr std::uint32_t kNever = 0xFFFFFFFF;

// The place as a row has it: each take finds the next of `takes`, the last again once they run out; the running
// copy's window answers from `answersAtMs` on, and that copy gives its place up at `givesUpAtMs`. Time passes only
// in waits.
struct ScriptedPlace final : SessionPlace {
    Place take() override { return last = takes[std::min(taken++, takes.size() - 1)]; }
    bool waitToHold(std::uint32_t ms) override {
        now += ms;
        return held();
    }
    bool bringBackRunningCopy() override { return now >= answersAtMs; }
    std::uint32_t milliseconds() override { return now; }
    bool held() const { return last == Place::Held || (last == Place::Waitable && now >= givesUpAtMs); }

    std::vector<Place> takes;
    std::uint32_t answersAtMs = kNever;
    std::uint32_t givesUpAtMs = kNever;
    std::size_t taken = 0;
    Place last = Place::Unavailable;
    std::uint32_t now = 0;
};

// One copy per session, whatever the running copy does meanwhile: a start runs only holding the place (or where no
// place can be made at all), and otherwise ends once the running copy came back or the answer bound has passed.
// Two copies would announce every song twice.
TEST(SessionPlaceTest, AStartRunsOnlyHoldingThePlace) {
    using P = Place;
    const struct {
        const char* what;
        std::vector<Place> takes;
        std::uint32_t answersAtMs;
        std::uint32_t givesUpAtMs;
        bool runs;
    } cases[] = {
        {"no copy runs", {P::Held}, kNever, kNever, true},
        {"a copy runs and comes back", {P::Waitable}, 0, kNever, false},
        {"a copy on its way out", {P::Waitable}, kNever, 200, true},
        {"a copy ends between the make and the open", {P::Gone, P::Held}, kNever, kNever, true},
        {"places made and gone time after time", {P::Gone}, kNever, kNever, false},
        {"an administrator's copy closes", {P::Refused, P::Refused, P::Gone, P::Held}, kNever, kNever, true},
        {"an administrator's copy does not answer", {P::Refused}, kNever, kNever, false},
        {"no place can be made", {P::Unavailable}, kNever, kNever, true},
    };
    for (const auto& c : cases) {
        ScriptedPlace place;
        place.takes = c.takes;
        place.answersAtMs = c.answersAtMs;
        place.givesUpAtMs = c.givesUpAtMs;
        EXPECT_EQ(claimPlace(place), c.runs) << c.what;
        EXPECT_EQ(place.held(), c.runs && c.takes.back() != P::Unavailable) << c.what;
        EXPECT_LE(place.now, kAnswerTimeoutMs) << c.what;
    }
}

}  // namespace
}  // namespace marquill::test
