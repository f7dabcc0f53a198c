#pragma once

#include "platform/files.h"

namespace marquill::win32 {

// The file functions of kernel32 in their wide forms, so that folder names outside the ANSI code page work.
class Win32Files final : public Files {
public:
    std::wstring programDirectory() const override;
    bool isPlainFile(const std::wstring& path) const override;
    std::optional<std::string> readAll(const std::wstring& path, std::size_t maxBytes) override;
    std::optional<std::wstring> replaceContent(const std::wstring& path, std::string_view bytes) override;
};

// The folder part of an executable's path: "C:\Tools\Amp.exe" -> "C:\Tools", "C:\Amp.exe" -> "C:\".
std::wstring folderOfModule(const std::wstring& modulePath);

}  // namespace marquill::win32
