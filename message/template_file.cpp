#include "message/template_file.h"

#include <algorithm>
#include <cstdint>

namespace marquill {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr char32_t kReplacement = 0xFFFD;
constexpr bool kUtf16 = sizeof(wchar_t) == 2;

bool isHighSurrogate(char32_t code) {
    return code >= 0xD800 && code <= 0xDBFF;
}
bool isLowSurrogate(char32_t code) {
    return code >= 0xDC00 && code <= 0xDFFF;
}

void appendUtf8(std::string& bytes, char32_t code) {
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A surrogate without its partner is no character; it is written as U+FFFD.
std::string toUtf8(const std::wstring& text) {
    std::string bytes;
    bytes.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto code = static_cast<char32_t>(text[i]);
        if (kUtf16 && isHighSurrogate(code) && i + 1 < text.size() &&
            isLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        } else if (isHighSurrogate(code) || isLowSurrogate(code) || code > 0x10FFFF) {
            code = kReplacement;
        }
        appendUtf8(bytes, code);
    }
    return bytes;
}

void appendCharacter(std::wstring& text, char32_t code) {
    if (kUtf16 && code >= 0x10000) {
        text += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
        text += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
        text += static_cast<wchar_t>(code);
    }
}

// Strict: no overlong forms, no surrogates, nothing above U+10FFFF, no cut sequence.
std::optional<std::wstring> fromUtf8(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80                    ? 1
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                   : (lead & 0xF0) == 0xE0        ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        if (length == 0 || i + length > bytes.size()) {
            return std::nullopt;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || isHighSurrogate(code) || isLowSurrogate(code)) {
            return std::nullopt;
        }
        appendCharacter(text, code);
        i += length;
    }
    return text;
}

// Bytes beyond ASCII that form valid UTF-8 are hardly ever ANSI text: in a single-byte code page they would be
// a letter followed by one or more symbols, "Â«" for the UTF-8 «. An editor that saves UTF-8 without the mark
// writes such files, and so did earlier versions of this program's mIRC default.
std::optional<std::wstring> fromUtf8WithoutMark(std::string_view bytes) {
    const bool beyondAscii =
        std::any_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
    return beyondAscii ? fromUtf8(bytes) : std::nullopt;
}

}  // namespace

std::string templateFileBytes(const std::wstring& templateText, const AnsiCodec& codec) {
    std::optional<std::string> ansi = codec.toAnsiExactly(templateText);
    // ANSI text that begins as the mark does, or that is valid UTF-8 with a character beyond ASCII, would be read
    // back as UTF-8: it goes out as UTF-8 itself.
    if (ansi && ansi->compare(0, kUtf8Mark.size(), kUtf8Mark) != 0 && !fromUtf8WithoutMark(*ansi)) {
        return std::move(*ansi);
    }
    return std::string(kUtf8Mark) + toUtf8(templateText);
}

std::optional<std::wstring> templateFromFile(std::string_view bytes, const AnsiCodec& codec) {
    std::optional<std::wstring> text;
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        text = fromUtf8(bytes.substr(kUtf8Mark.size()));
    } else {
        text = fromUtf8WithoutMark(bytes);
        if (!text) {
            text = codec.fromAnsi(bytes);
        }
    }
    if (text && text->find(L'\0') != std::wstring::npos) {
        return std::nullopt;
    }
    return text;
}

}  // namespace marquill
