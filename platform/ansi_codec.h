#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marquill {

// Conversion between the program's wide text and the system's ANSI code page.
class AnsiCodec {
public:
    AnsiCodec() = default;
    AnsiCodec(const AnsiCodec&) = delete;
    AnsiCodec& operator=(const AnsiCodec&) = delete;
    virtual ~AnsiCodec() = default;

    // Characters the code page cannot represent become its default character ("?"), never a look-alike: a
    // fullwidth "/" is not a command character.
    virtual std::string toAnsi(std::wstring_view text) const = 0;
    // The bytes when the code page represents every character; nothing otherwise.
    virtual std::optional<std::string> toAnsiExactly(std::wstring_view text) const = 0;
    virtual std::wstring fromAnsi(std::string_view bytes) const = 0;
};

}  // namespace marquill
