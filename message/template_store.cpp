#include "message/template_store.h"

#include <exception>

#include "message/template_file.h"

namespace marquill {

TemplateStore::TemplateStore(Files& files, const AnsiCodec& codec, std::vector<std::wstring> fileNames)
    : files_(files), codec_(codec), fileNames_(std::move(fileNames)) {}

std::vector<std::optional<std::wstring>> TemplateStore::LoadTemplates() {
    std::vector<std::optional<std::wstring>> loaded(fileNames_.size());
    for (std::size_t file = 0; file < fileNames_.size(); ++file) {
        const std::wstring path = pathOf(file);
        if (!files_.isPlainFile(path)) {
            continue;
        }
        try {
            if (const std::optional<std::string> bytes = files_.readAll(path, kMaxTemplateFileBytes)) {
                loaded[file] = templateFromFile(*bytes, codec_);
            }
        } catch (const std::exception&) {
            // Out of memory, for one: the file is treated as unreadable and its box keeps its text.
        }
    }
    return loaded;
}

std::vector<SaveFailure> TemplateStore::save(const std::vector<std::wstring>& templates) {
    std::vector<SaveFailure> failures;
    for (std::size_t file = 0; file < fileNames_.size(); ++file) {
        const std::wstring path = pathOf(file);
        const std::string bytes = templateFileBytes(templates.at(file), codec_);
        if (std::optional<std::wstring> reason = files_.replaceContent(path, bytes)) {
            failures.push_back(SaveFailure{path, std::move(*reason)});
        }
    }
    return failures;
}

std::wstring TemplateStore::pathOf(std::size_t file) const {
    return files_.programDirectory() + fileNames_[file];
}

std::wstring saveReport(const std::vector<SaveFailure>& failures) {
    if (failures.empty()) {
        return L"Messages Saved!";
    }
    std::wstring report = L"Messages not saved:";
    for (const SaveFailure& failure : failures) {
        report += L"\n" + failure.path + L": " + failure.reason;
    }
    return report;
}

}  // namespace marquill
