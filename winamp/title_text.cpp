#include "winamp/title_text.h"

#include <algorithm>

namespace marquill {
namespace {

const std::wstring kPlayerName = L"Winamp";
const std::wstring kPlayerSuffix = L" - " + kPlayerName;
const std::wstring kNumberEnd = L". ";

bool isDigit(wchar_t character) {
    return character >= L'0' && character <= L'9';
}

// Only U+0020 counts as a blank here; tabs and other spaces stay.
std::wstring trimBlanks(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// An optional sign followed by one or more decimal digits, of any count, and nothing else.
bool isSignedDecimal(const std::wstring& text) {
    const std::size_t digits = !text.empty() && (text[0] == L'+' || text[0] == L'-') ? 1 : 0;
    return text.size() > digits && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(digits), text.end(), isDigit);
}

// The player's own name, alone or with its version («Winamp», «Winamp 5.9.2.10042», «Winamp v1.x»): what the
// player shows stopped with an empty playlist, and what a player emulating its window shows before its first track.
bool namesNoSong(const std::wstring& titleText) {
    if (titleText.compare(0, kPlayerName.size(), kPlayerName) != 0) {
        return false;
    }
    if (titleText.size() == kPlayerName.size()) {
        return true;
    }
    const std::wstring version = titleText.substr(kPlayerName.size() + 1);
    const bool versionStart =
        !version.empty() && (isDigit(version[0]) || (version[0] == L'v' && version.size() > 1 && isDigit(version[1])));
    return titleText[kPlayerName.size()] == L' ' && versionStart && version.find(L' ') == std::wstring::npos;
}

}  // namespace

std::wstring withoutBackspaces(std::wstring titleText) {
    titleText.erase(std::remove(titleText.begin(), titleText.end(), L'\b'), titleText.end());
    return titleText;
}

std::wstring songTitleFrom(const std::wstring& titleText) {
    if (namesNoSong(titleText)) {
        return {};
    }
    std::wstring title = titleText;
    const std::size_t suffix = title.find(kPlayerSuffix);
    if (suffix != std::wstring::npos) {
        title.resize(suffix + 1);
    }
    // Only a playlist number is cut: «Dr. Who - Theme» keeps its «Dr.».
    const std::size_t dot = title.find(kNumberEnd);
    if (dot != std::wstring::npos && isSignedDecimal(trimBlanks(title.substr(0, dot)))) {
        title = trimBlanks(title.substr(dot + 1));
    }
    return title;
}

std::int16_t trackNumberFrom(const std::wstring& titleText) {
    const std::size_t dot = titleText.find(kNumberEnd);
    if (dot == std::wstring::npos) {
        return 0;
    }
    // Trimmed with the dot, so the number must stand right before it: «12 . Song» has none.
    std::wstring number = trimBlanks(titleText.substr(0, dot + 1));
    number.pop_back();
    if (!isSignedDecimal(number)) {
        return 0;
    }
    const bool negative = number[0] == L'-';
    std::int32_t value = 0;
    for (const wchar_t digit : number) {
        if (isDigit(digit)) {
            value = value * 10 + (digit - L'0');
            if (value > 32768) {
                return 0;
            }
        }
    }
    value = negative ? -value : value;
    return value > INT16_MAX ? 0 : static_cast<std::int16_t>(value);
}

}  // namespace marquill
