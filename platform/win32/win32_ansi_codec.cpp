#include "platform/win32/win32_ansi_codec.h"

#include <windows.h>

namespace marquill::win32 {
namespace {

std::wstring withPairsAsOne(std::wstring_view text) {
    constexpr wchar_t kReplacement = 0xFFFD;
    std::wstring single;
    single.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1])) {
            single += kReplacement;
            ++i;
        } else {
            single += text[i];
        }
    }
    return single;
}

// The text in the ANSI code page with "?" for what it lacks; `lossy` tells whether that happened. The default
// conversion would put look-alikes instead ("／" as "/", "∞" as "8"): a different character is not the same text.
std::string narrow(std::wstring_view text, bool& lossy) {
    lossy = false;
    if (text.empty()) {
        return {};
    }
    // A UTF-8 code page represents everything and takes neither the flag nor a default character.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* defaultCharacter = utf8 ? nullptr : "?";
    BOOL usedDefault = FALSE;
    BOOL* reportDefault = utf8 ? nullptr : &usedDefault;
    // No ANSI code page holds a character beyond U+FFFF; as two halves it would become two "?" for one character.
    const std::wstring source = utf8 ? std::wstring(text) : withPairsAsOne(text);
    const int sourceLength = static_cast<int>(source.size());
    const int length =
        WideCharToMultiByte(CP_ACP, flags, source.data(), sourceLength, nullptr, 0, defaultCharacter, reportDefault);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, flags, source.data(), sourceLength, bytes.data(), length, defaultCharacter,
                        reportDefault);
    lossy = usedDefault != FALSE;
    return bytes;
}

}  // namespace

std::string Win32AnsiCodec::toAnsi(std::wstring_view text) const {
    bool lossy = false;
    return narrow(text, lossy);
}

std::optional<std::string> Win32AnsiCodec::toAnsiExactly(std::wstring_view text) const {
    bool lossy = false;
    std::string bytes = narrow(text, lossy);
    if (lossy) {
        return std::nullopt;
    }
    return bytes;
}

std::wstring Win32AnsiCodec::fromAnsi(std::string_view bytes) const {
    if (bytes.empty()) {
        return {};
    }
    const int sourceLength = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), sourceLength, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), sourceLength, text.data(), length);
    return text;
}

}  // namespace marquill::win32
