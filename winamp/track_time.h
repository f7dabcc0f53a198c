#pragma once

#include <cstdint>
#include <string>

namespace marquill {

// The elapsed whole seconds of a position in milliseconds; throws OverflowError beyond 16 bits.
std::int16_t elapsedSeconds(std::int32_t positionMs);

// "m:ss": minutes truncated toward zero, then the remainder as at least two digits with its sign
// (65 -> "1:05", -1 -> "0:-01"). No hours: minutes grow past 59.
std::wstring minutesAndSeconds(std::int16_t seconds);

// "elapsed / length", each as minutesAndSeconds: "1:05 / 3:59"; the elapsed time alone ("1:23") for a length of 0
// or less, which a stream or a player with nothing loaded answers. Throws OverflowError for a length beyond 16 bits.
std::wstring trackTimeText(std::int16_t elapsed, std::int32_t lengthSeconds);

// Percent played, ((position / 1000) / length) * 100 rounded half to even. Not limited to 0..100.
// Throws DivisionByZeroError for a zero length, OverflowError when the position is zero as well.
std::int32_t percentPlayed(std::int32_t positionMs, std::int32_t lengthSeconds);

}  // namespace marquill
