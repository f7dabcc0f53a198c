#pragma once

#include <string>

namespace marquill {

// The local clock.
class Clock {
public:
    Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;
    virtual ~Clock() = default;

    // Seconds since local midnight, with fraction: 0 <= s < 86400.
    virtual double secondsSinceMidnight() const = 0;

    // The time of day in the user's locale time format, with seconds ("9:41:07 PM" under US English).
    virtual std::wstring timeOfDayText() const = 0;

    // Today's date in the user's locale short date format ("12/15/2006" under US English).
    virtual std::wstring shortDateText() const = 0;
};

}  // namespace marquill
