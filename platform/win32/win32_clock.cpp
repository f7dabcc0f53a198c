#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace marquill::win32 {
namespace {

constexpr int kFormattedTextCapacity = 128;

}  // namespace

double Win32Clock::secondsSinceMidnight() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

std::wstring Win32Clock::timeOfDayText() const {
    wchar_t text[kFormattedTextCapacity];
    const int length = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, kFormattedTextCapacity);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length - 1)) : std::wstring();
}

std::wstring Win32Clock::shortDateText() const {
    wchar_t text[kFormattedTextCapacity];
    const int length =
        GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, kFormattedTextCapacity);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length - 1)) : std::wstring();
}

}  // namespace marquill::win32
