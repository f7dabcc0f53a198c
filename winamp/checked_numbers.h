#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace marquill {

// A value that does not fit the type it must become, or zero divided by zero.
class OverflowError : public std::runtime_error {
public:
    OverflowError() : std::runtime_error("Overflow") {}
};

// A nonzero value divided by zero.
class DivisionByZeroError : public std::runtime_error {
public:
    DivisionByZeroError() : std::runtime_error("Division by zero") {}
};

// The nearest whole number; a value halfway between two goes to the even one (64.5 -> 64, 65.5 -> 66).
// Independent of the floating-point rounding mode.
inline double roundHalfEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        return 2.0 * std::round(value / 2.0);
    }
    return std::round(value);
}

inline std::int16_t toInt16(std::int32_t value) {
    if (value < INT16_MIN || value > INT16_MAX) {
        throw OverflowError();
    }
    return static_cast<std::int16_t>(value);
}

// Rounds first, then checks the range, so 32767.4 fits and 32767.5 (which rounds to 32768) does not.
inline std::int16_t roundToInt16(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) {
        throw OverflowError();
    }
    return static_cast<std::int16_t>(rounded);
}

inline std::int32_t roundToInt32(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) {
        throw OverflowError();
    }
    return static_cast<std::int32_t>(rounded);
}

// Division that fails instead of giving an infinity or NaN: 0/0 is an overflow, any other x/0 a division by zero.
inline double divide(double numerator, double denominator) {
    if (denominator == 0.0) {
        if (numerator == 0.0) {
            throw OverflowError();
        }
        throw DivisionByZeroError();
    }
    return numerator / denominator;
}

}  // namespace marquill
