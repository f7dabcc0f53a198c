#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace marquill {

// The file access of the template store. Paths are wide so that any folder name works; each call opens at most one
// file and closes it before it returns.
class Files {
public:
    Files() = default;
    Files(const Files&) = delete;
    Files& operator=(const Files&) = delete;
    virtual ~Files() = default;

    // The folder of the program's executable as the platform reports it, without a trailing backslash except at the
    // root of a drive ("C:\").
    virtual std::wstring programDirectory() const = 0;

    // True for a file that is neither a directory nor hidden nor system; read-only and archived files count.
    virtual bool isPlainFile(const std::wstring& path) const = 0;

    // The whole content, or nothing when the file cannot be opened or read whole or is longer than `maxBytes`.
    virtual std::optional<std::string> readAll(const std::wstring& path, std::size_t maxBytes) = 0;

    // Writes `bytes` to a new file in the same folder and only then puts it in the place of `path`, so a failure
    // leaves the old content as it was. Returns the system's text for a failure, nothing on success.
    virtual std::optional<std::wstring> replaceContent(const std::wstring& path, std::string_view bytes) = 0;
};

}  // namespace marquill
