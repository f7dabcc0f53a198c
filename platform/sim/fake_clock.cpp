#include "platform/sim/fake_clock.h"

#include <cmath>

namespace marquill::sim {

void FakeClock::advance(double seconds) {
    seconds_ = std::fmod(seconds_ + seconds, 86400.0);
}

void FakeClock::setTexts(std::wstring time, std::wstring date) {
    time_ = std::move(time);
    date_ = std::move(date);
}

}  // namespace marquill::sim
