#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32_numbers.h"

// mIRC's own way for another program to send a line (mIRC's help, page "SendMessage"): the line in a file mapping
// named "mIRC<N>", then WM_USER + 200 to a channel window with N in lParam; mIRC answers 1 when it sent the line.
namespace marquill::mirc {

constexpr std::uint32_t kCommandMessage = wm::kUser + 200;  // WM_MCOMMAND
// How mIRC takes the line: as plain text, never a command (a title is only ever text); through its flood
// protection, where the user turned that on; as Unicode.
constexpr std::uint32_t kPlainText = 2;
constexpr std::uint32_t kFloodProtection = 4;
constexpr std::uint32_t kUnicode = 8;
// Recent mIRC refuses a mapping under 4,096 bytes. 8 KiB hold a line of 4,095 UTF-16 units and its NUL.
constexpr std::uint32_t kMappingBytes = 8192;
constexpr std::size_t kLineUnits = kMappingBytes / 2 - 1;
// "mIRC1" on: "mIRC" (N = 0) is what simple scripts use. A name in use is another program's, so the next is
// tried, up to this many.
constexpr std::uint32_t kMappingNames = 16;

// The lines of a message that are not empty (ended by CR LF, CR or LF), each cut to kLineUnits UTF-16 units,
// never inside a character.
std::vector<std::wstring> commandLines(const std::wstring& message);

}  // namespace marquill::mirc
