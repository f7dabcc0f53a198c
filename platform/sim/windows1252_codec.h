#pragma once

#include "platform/ansi_codec.h"

namespace marquill::sim {

// Code page 1252, the ANSI code page of US English Windows, so that tests give the same bytes on every machine.
// Unlike Windows it maps no "best fit" look-alikes: every character outside the code page becomes '?'.
class Windows1252Codec final : public AnsiCodec {
public:
    std::string toAnsi(std::wstring_view text) const override;
    std::optional<std::string> toAnsiExactly(std::wstring_view text) const override;
    std::wstring fromAnsi(std::string_view bytes) const override;
};

}  // namespace marquill::sim
