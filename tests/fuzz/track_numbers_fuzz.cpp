#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "winamp/checked_numbers.h"
#include "winamp/track_time.h"

// Any position, length and second count the player may report: each rule gives the exactly rounded result or
// fails with its typed error, never anything else.
namespace {

using namespace marquill;

// Whole-number division rounded half to even, the reference for the rules' floating-point arithmetic.
std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator;
    const std::int64_t twiceRemainder = 2 * std::llabs(numerator % denominator);
    const bool negative = (numerator < 0) != (denominator < 0);
    if (twiceRemainder > std::llabs(denominator) || (twiceRemainder == std::llabs(denominator) && quotient % 2 != 0)) {
        quotient += negative ? -1 : 1;
    }
    return quotient;
}

void checkElapsed(std::int32_t positionMs) {
    const std::int64_t expected = roundedQuotient(positionMs, 1000);
    try {
        if (elapsedSeconds(positionMs) != expected) {
            std::abort();
        }
    } catch (const OverflowError&) {
        if (expected >= INT16_MIN && expected <= INT16_MAX) {
            std::abort();
        }
    }
}

void checkMinutes(std::int16_t seconds) {
    wchar_t expected[16];
    const int remainder = seconds % 60;
    std::swprintf(expected, 16, L"%d:%ls%02d", seconds / 60, remainder < 0 ? L"-" : L"", std::abs(remainder));
    if (minutesAndSeconds(seconds) != expected) {
        std::abort();
    }
}

// The percent goes through doubles, so it may differ from the exact quotient by the one step a near tie allows.
void checkPercent(std::int32_t positionMs, std::int32_t lengthSeconds) {
    try {
        const std::int32_t percent = percentPlayed(positionMs, lengthSeconds);
        if (lengthSeconds == 0 || std::llabs(percent - roundedQuotient(positionMs, 10LL * lengthSeconds)) > 1) {
            std::abort();
        }
    } catch (const DivisionByZeroError&) {
        if (lengthSeconds != 0 || positionMs == 0) {
            std::abort();
        }
    } catch (const OverflowError&) {
        const bool tooLarge = lengthSeconds != 0 && std::llabs(roundedQuotient(positionMs, 10LL * lengthSeconds)) >=
                                                        static_cast<std::int64_t>(INT32_MAX);
        if (!(lengthSeconds == 0 && positionMs == 0) && !tooLarge) {
            std::abort();
        }
    }
}

// The next sizeof(Integer) bytes of the input as a little-endian integer; bytes past its end count as 0.
template <typename Integer>
Integer take(const std::uint8_t*& next, const std::uint8_t* end) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(Integer) && next != end; ++i) {
        value |= static_cast<std::uint64_t>(*next++) << (8 * i);
    }
    return static_cast<Integer>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::uint8_t* const end = bytes + size;
    const auto positionMs = take<std::int32_t>(bytes, end);
    const auto lengthSeconds = take<std::int32_t>(bytes, end);
    checkElapsed(positionMs);
    checkMinutes(take<std::int16_t>(bytes, end));
    checkPercent(positionMs, lengthSeconds);
    try {
        toInt16(positionMs);
        if (positionMs < INT16_MIN || positionMs > INT16_MAX) {
            std::abort();
        }
    } catch (const OverflowError&) {
        if (positionMs >= INT16_MIN && positionMs <= INT16_MAX) {
            std::abort();
        }
    }
    return 0;
}
