#pragma once

#include "platform/clock.h"

namespace marquill::win32 {

// The local time of the system, formatted by the user's locale.
class Win32Clock final : public Clock {
public:
    double secondsSinceMidnight() const override;
    LocalTimeTexts localTimeTexts() const override;
};

}  // namespace marquill::win32
