#pragma once

#include "platform/clock.h"

namespace marquill::win32 {

// The local time of the system, formatted by the user's locale.
class Win32Clock final : public Clock {
public:
    double secondsSinceMidnight() const override;
    std::wstring timeOfDayText() const override;
    std::wstring shortDateText() const override;
};

}  // namespace marquill::win32
