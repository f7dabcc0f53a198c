#include "platform/win32/win32_ansi_codec.h"

#include <windows.h>

namespace marquill::win32 {

std::string Win32AnsiCodec::toAnsi(std::wstring_view text) const {
    if (text.empty()) {
        return {};
    }
    const int sourceLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), sourceLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), sourceLength, bytes.data(), length, nullptr, nullptr);
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
