#include "platform/sim/sim_files.h"

namespace marquill::sim {
namespace {

// What Windows answers when a file is to replace a directory.
constexpr const wchar_t* kAccessDenied = L"Access is denied.";

}  // namespace

SimFiles::SimFiles(std::wstring programDirectory) : programDirectory_(std::move(programDirectory)) {}

void SimFiles::putFile(const std::wstring& path, std::string bytes, SimFileAttributes attributes) {
    entries_[path] = Entry{std::move(bytes), attributes, false};
}

void SimFiles::putDirectory(const std::wstring& path) {
    entries_[path] = Entry{{}, {}, true};
}

void SimFiles::failAt(const std::wstring& path, FileStep step, std::wstring reason) {
    failures_[{path, step}] = std::move(reason);
}

std::optional<std::string> SimFiles::contents(const std::wstring& path) const {
    auto it = entries_.find(path);
    if (it == entries_.end() || it->second.directory) {
        return std::nullopt;
    }
    return it->second.bytes;
}

bool SimFiles::isPlainFile(const std::wstring& path) const {
    operations_.push_back(L"isPlainFile " + path);
    auto it = entries_.find(path);
    return it != entries_.end() && !it->second.directory && !it->second.attributes.hidden &&
           !it->second.attributes.system;
}

std::optional<std::string> SimFiles::readAll(const std::wstring& path, std::size_t maxBytes) {
    operations_.push_back(L"readAll " + path);
    std::optional<std::string> bytes = contents(path);
    if (failure(path, FileStep::Open) || failure(path, FileStep::Read) || (bytes && bytes->size() > maxBytes)) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::wstring> SimFiles::replaceContent(const std::wstring& path, std::string_view bytes) {
    operations_.push_back(L"replaceContent " + path);
    for (FileStep step : {FileStep::Open, FileStep::Write, FileStep::Replace}) {
        if (const std::wstring* reason = failure(path, step)) {
            return *reason;
        }
    }
    auto it = entries_.find(path);
    if (it != entries_.end() && it->second.directory) {
        return std::wstring(kAccessDenied);
    }
    entries_[path] = Entry{std::string(bytes), {}, false};
    return std::nullopt;
}

const std::wstring* SimFiles::failure(const std::wstring& path, FileStep step) const {
    auto it = failures_.find({path, step});
    return it == failures_.end() ? nullptr : &it->second;
}

}  // namespace marquill::sim
