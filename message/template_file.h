#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ansi_codec.h"

namespace marquill {

// Start-up reads no template file longer than this: a template is a few lines, and a huge file must not hold up or
// end the program.
constexpr std::size_t kMaxTemplateFileBytes = 1 << 20;

// The bytes of a template file: the template in the ANSI code page when the code page holds every character of it
// and the bytes read back as the same template (the format every earlier file has), otherwise UTF-8 after a
// byte-order mark, so nothing typed is lost.
std::string templateFileBytes(const std::wstring& templateText, const AnsiCodec& codec);

// The template a file holds: UTF-8 after a byte-order mark; UTF-8 too without the mark when the bytes are valid
// UTF-8 with at least one character beyond ASCII; ANSI otherwise. Nothing for a file that is no template text:
// invalid UTF-8 after the mark, or a NUL character (a binary file; a text box cannot hold one).
std::optional<std::wstring> templateFromFile(std::string_view bytes, const AnsiCodec& codec);

}  // namespace marquill
