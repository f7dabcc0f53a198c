#include "winamp/track_time.h"

#include <cstdlib>

#include "winamp/checked_numbers.h"

namespace marquill {

std::int16_t elapsedSeconds(std::int32_t positionMs) {
    return roundToInt16(positionMs / 1000.0);
}

std::wstring minutesAndSeconds(std::int16_t seconds) {
    const int minutes = seconds / 60;
    const int remainder = seconds % 60;
    const std::wstring twoDigits = (std::abs(remainder) < 10 ? L"0" : L"") + std::to_wstring(std::abs(remainder));
    return std::to_wstring(minutes) + L":" + (remainder < 0 ? L"-" : L"") + twoDigits;
}

std::wstring trackTimeText(std::int16_t elapsed, std::int32_t lengthSeconds) {
    if (lengthSeconds <= 0) {
        return minutesAndSeconds(elapsed);
    }
    return minutesAndSeconds(elapsed) + L" / " + minutesAndSeconds(toInt16(lengthSeconds));
}

std::int32_t percentPlayed(std::int32_t positionMs, std::int32_t lengthSeconds) {
    return roundToInt32(divide(positionMs / 1000.0, lengthSeconds) * 100.0);
}

}  // namespace marquill
