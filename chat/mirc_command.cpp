#include "chat/mirc_command.h"

namespace marquill::mirc {
namespace {

bool isLineBreak(wchar_t character) {
    return character == L'\r' || character == L'\n';
}

// As much of `line` as kLineUnits UTF-16 units hold, whatever the width of wchar_t: a surrogate pair, or a
// character beyond U+FFFF, takes two units and is never split.
std::wstring cut(const std::wstring& line) {
    std::size_t end = 0;
    for (std::size_t units = 0; end < line.size();) {
        const auto character = static_cast<std::uint32_t>(line[end]);
        const bool pair = character >= 0xD800 && character <= 0xDBFF && end + 1 < line.size();
        const std::size_t width = pair || character > 0xFFFF ? 2 : 1;
        if (units + width > kLineUnits) {
            break;
        }
        units += width;
        end += pair ? 2 : 1;
    }
    return line.substr(0, end);
}

}  // namespace

std::vector<std::wstring> commandLines(const std::wstring& message) {
    std::vector<std::wstring> lines;
    for (std::size_t start = 0; start < message.size();) {
        std::size_t end = start;
        while (end < message.size() && !isLineBreak(message[end])) {
            ++end;
        }
        if (end > start) {
            lines.push_back(cut(message.substr(start, end - start)));
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace marquill::mirc
