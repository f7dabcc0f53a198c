#include "platform/sim/windows1252_codec.h"

#include <array>
#include <cstdint>

namespace marquill::sim {
namespace {

// 0x80..0x9F; the five bytes the code page leaves undefined map to the C1 controls of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

wchar_t decode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return static_cast<wchar_t>(kHighControls[byte - 0x80]);
    }
    return static_cast<wchar_t>(byte);
}

std::optional<char> encode(wchar_t character) {
    const auto code = static_cast<std::uint32_t>(character);
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string Windows1252Codec::toAnsi(std::wstring_view text) const {
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t character : text) {
        bytes += encode(character).value_or('?');
    }
    return bytes;
}

std::optional<std::string> Windows1252Codec::toAnsiExactly(std::wstring_view text) const {
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t character : text) {
        const std::optional<char> byte = encode(character);
        if (!byte) {
            return std::nullopt;
        }
        bytes += *byte;
    }
    return bytes;
}

std::wstring Windows1252Codec::fromAnsi(std::string_view bytes) const {
    std::wstring text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        text += decode(static_cast<unsigned char>(byte));
    }
    return text;
}

}  // namespace marquill::sim
