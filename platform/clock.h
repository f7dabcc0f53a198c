#pragma once

#include <string>

namespace marquill {

// One reading of the local clock as the user's locale writes it, so that a time and a date never straddle
// midnight.
struct LocalTimeTexts {
    std::wstring timeOfDay;  // the locale's time format, with seconds ("9:41:07 PM" under US English)
    std::wstring date;       // the locale's short date format ("12/15/2006" under US English)
};

// The local clock.
class Clock {
public:
    Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;
    virtual ~Clock() = default;

    // Seconds since local midnight, with fraction: 0 <= s < 86400.
    virtual double secondsSinceMidnight() const = 0;

    // The time of day and the date of one reading.
    virtual LocalTimeTexts localTimeTexts() const = 0;
};

}  // namespace marquill
