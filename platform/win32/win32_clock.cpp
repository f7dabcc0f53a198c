#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace marquill::win32 {
namespace {

constexpr int kFormattedTextCapacity = 128;

template <typename Format>
std::wstring formatted(Format format) {
    wchar_t text[kFormattedTextCapacity];
    const int length = format(text, kFormattedTextCapacity);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length - 1)) : std::wstring();
}

}  // namespace

double Win32Clock::secondsSinceMidnight() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

LocalTimeTexts Win32Clock::localTimeTexts() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {formatted([&](wchar_t* text, int capacity) {
                return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, text, capacity);
            }),
            formatted([&](wchar_t* text, int capacity) {
                return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, text, capacity);
            })};
}

}  // namespace marquill::win32
