#include "app/session_place.h"

#include "platform/window_services.h"

namespace marquill {
namespace {

constexpr std::uint32_t kPollMs = 50;
constexpr int kRetakes = 3;

}  // namespace

bool claimPlace(SessionPlace& place) {
    Place found = place.take();
    // The copy that held it may end between the make and the open: the place is made again.
    for (int retake = 0; found == Place::Gone && retake < kRetakes; ++retake) {
        found = place.take();
    }
    if (found == Place::Held || found == Place::Unavailable) {
        return true;  // Unavailable: none can be made at all; run, as the program did before it kept one
    }
    for (const std::uint32_t start = place.milliseconds(); place.milliseconds() - start < kAnswerTimeoutMs;) {
        if (place.bringBackRunningCopy()) {
            return false;
        }
        if (place.waitToHold(kPollMs)) {
            return true;
        }
        if (found != Place::Waitable) {
            found = place.take();  // made again once the copy that could not be waited on has ended
            if (found == Place::Held) {
                return true;
            }
        }
    }
    return false;  // it runs but does not answer: a second copy would announce twice once it recovers
}

}  // namespace marquill
