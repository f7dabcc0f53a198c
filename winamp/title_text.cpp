#include "winamp/title_text.h"

#include <algorithm>

namespace marquill {
namespace {

const std::wstring kPlayerSuffix = L" - Winamp";
const std::wstring kNumberEnd = L". ";

// Only U+0020 counts as a blank here; tabs and other spaces stay.
std::wstring trimBlanks(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

}  // namespace

std::wstring withoutBackspaces(std::wstring titleText) {
    titleText.erase(std::remove(titleText.begin(), titleText.end(), L'\b'), titleText.end());
    return titleText;
}

std::wstring songTitleFrom(const std::wstring& titleText) {
    std::wstring title = titleText;
    const std::size_t suffix = title.find(kPlayerSuffix);
    if (suffix != std::wstring::npos) {
        title.resize(suffix + 1);
    }
    const std::size_t dot = title.find(kNumberEnd);
    if (dot != std::wstring::npos) {
        title = trimBlanks(title.substr(dot + 1));
    }
    return title;
}

std::int16_t trackNumberFrom(const std::wstring& titleText) {
    const std::size_t dot = titleText.find(kNumberEnd);
    if (dot == std::wstring::npos) {
        return 0;
    }
    const std::wstring text = trimBlanks(titleText.substr(0, dot + 1));
    // What is left ends in the dot: accept exactly [+|-]digits before it.
    std::size_t position = 0;
    bool negative = false;
    if (text[0] == L'+' || text[0] == L'-') {
        negative = text[0] == L'-';
        position = 1;
    }
    const std::size_t digitsEnd = text.size() - 1;
    if (position == digitsEnd) {
        return 0;
    }
    std::int32_t value = 0;
    for (; position < digitsEnd; ++position) {
        const wchar_t digit = text[position];
        if (digit < L'0' || digit > L'9') {
            return 0;
        }
        value = value * 10 + (digit - L'0');
        if (value > 32768) {
            return 0;
        }
    }
    value = negative ? -value : value;
    return value > INT16_MAX ? 0 : static_cast<std::int16_t>(value);
}

}  // namespace marquill
