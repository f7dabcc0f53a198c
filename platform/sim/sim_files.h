#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/files.h"

namespace marquill::sim {

// The steps of a file call that a test can make fail.
enum class FileStep { Open, Read, Write, Replace };

struct SimFileAttributes {
    bool hidden = false;
    bool system = false;
};

// An in-memory folder tree for unit tests. Each call is recorded in `operations()`, for example
// `readAll C:\MarquillAmp\aim.txt`. A failure told for a path and step makes that call fail with the given reason;
// a failed replace leaves the old content.
//
// Not simulated: path normalisation (paths match as exact strings, so "C:\\aim.txt" and "C:\aim.txt" differ),
// case-insensitive names, sharing and locks, attributes other than hidden and system.
class SimFiles final : public Files {
public:
    explicit SimFiles(std::wstring programDirectory);

    void putFile(const std::wstring& path, std::string bytes, SimFileAttributes attributes = {});
    void putDirectory(const std::wstring& path);
    void failAt(const std::wstring& path, FileStep step, std::wstring reason);

    // The bytes of the file at `path`; nothing when there is no file there.
    std::optional<std::string> contents(const std::wstring& path) const;

    const std::vector<std::wstring>& operations() const { return operations_; }
    void clearOperations() { operations_.clear(); }

    std::wstring programDirectory() const override { return programDirectory_; }
    bool isPlainFile(const std::wstring& path) const override;
    std::optional<std::string> readAll(const std::wstring& path, std::size_t maxBytes) override;
    std::optional<std::wstring> replaceContent(const std::wstring& path, std::string_view bytes) override;

private:
    struct Entry {
        std::string bytes;
        SimFileAttributes attributes;
        bool directory = false;
    };

    const std::wstring* failure(const std::wstring& path, FileStep step) const;

    std::wstring programDirectory_;
    std::map<std::wstring, Entry> entries_;
    std::map<std::pair<std::wstring, FileStep>, std::wstring> failures_;
    mutable std::vector<std::wstring> operations_;
};

}  // namespace marquill::sim
