#pragma once

#include "platform/ansi_codec.h"

namespace marquill::win32 {

// The system's ANSI code page (CP_ACP), with "?" for what it cannot represent and no look-alikes.
class Win32AnsiCodec final : public AnsiCodec {
public:
    std::string toAnsi(std::wstring_view text) const override;
    std::optional<std::string> toAnsiExactly(std::wstring_view text) const override;
    std::wstring fromAnsi(std::string_view bytes) const override;
};

}  // namespace marquill::win32
