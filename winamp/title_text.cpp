#include "winamp/title_text.h"

#include <algorithm>

namespace marquill {
namespace {

const std::wstring kPlayerName = L"Winamp";
const std::wstring kPlayerSuffix = L" - " + kPlayerName;
const std::wstring kNumberEnd = L". ";
const std::wstring kBuild = L" Build ";

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

bool isDigits(const std::wstring& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// An optional sign followed by one or more decimal digits, of any count, and nothing else.
bool isSignedDecimal(const std::wstring& text) {
    const std::size_t sign = !text.empty() && (text[0] == L'+' || text[0] == L'-') ? 1 : 0;
    return isDigits(text.substr(sign));
}

bool isVersionWord(const std::wstring& word) {
    const std::size_t digit = !word.empty() && word[0] == L'v' ? 1 : 0;
    return word.size() > digit && isDigit(word[digit]) && word.find(L' ') == std::wstring::npos;
}

// The player's own name, alone or with its version: what the player shows stopped with an empty playlist
// («Winamp 5.9.2 Build 10042», its version string), and what a player emulating its window shows before its first
// track («Winamp v1.x»).
bool namesNoSong(const std::wstring& titleText) {
    if (titleText.compare(0, kPlayerName.size(), kPlayerName) != 0) {
        return false;
    }
    if (titleText.size() == kPlayerName.size()) {
        return true;
    }
    if (titleText[kPlayerName.size()] != L' ') {
        return false;
    }
    std::wstring version = titleText.substr(kPlayerName.size() + 1);
    const std::size_t build = version.find(kBuild);
    if (build != std::wstring::npos && isDigits(version.substr(build + kBuild.size()))) {
        version.resize(build);
    }
    return isVersionWord(version);
}

// The signed decimal right before the first ". ", or nothing. Trimmed with the dot, so the number must stand right
// before it: «12 . Song» has none.
std::wstring playlistNumberText(const std::wstring& titleText) {
    const std::size_t dot = titleText.find(kNumberEnd);
    if (dot == std::wstring::npos) {
        return {};
    }
    std::wstring number = trimBlanks(titleText.substr(0, dot + 1));
    number.pop_back();
    return isSignedDecimal(number) ? number : std::wstring();
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

bool hasPlaylistNumber(const std::wstring& titleText) {
    return !playlistNumberText(titleText).empty();
}

std::int16_t trackNumberFrom(const std::wstring& titleText) {
    const std::wstring number = playlistNumberText(titleText);
    if (number.empty()) {
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
