#pragma once

#include <string>

#include "platform/clock.h"

namespace marquill::sim {

// A clock that stands still until a test moves it; it wraps at midnight as the real one does.
class FakeClock final : public Clock {
public:
    void set(double seconds) { seconds_ = seconds; }
    void advance(double seconds);
    void setTexts(std::wstring time, std::wstring date);

    double secondsSinceMidnight() const override { return seconds_; }
    LocalTimeTexts localTimeTexts() const override { return {time_, date_}; }

private:
    double seconds_ = 0;
    std::wstring time_ = L"9:41:07 PM";
    std::wstring date_ = L"12/15/2006";
};

}  // namespace marquill::sim
