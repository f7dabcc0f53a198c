#include "message/template_store.h"

#include <exception>

#include "message/template_file.h"

namespace marquill {

std::wstring defaultTemplate(int client, const AnsiCodec& codec) {
    return codec.fromAnsi(kClients.at(static_cast<std::size_t>(client)).defaultTemplate);
}

TemplateStore::TemplateStore(Files& files, const AnsiCodec& codec) : files_(files), codec_(codec) {}

std::array<std::optional<std::wstring>, kClientCount> TemplateStore::LoadTemplates() {
    std::array<std::optional<std::wstring>, kClientCount> loaded;
    for (int client = 0; client < kClientCount; ++client) {
        const std::wstring path = pathOf(client);
        if (!files_.isPlainFile(path)) {
            continue;
        }
        try {
            if (const std::optional<std::string> bytes = files_.readAll(path, kMaxTemplateFileBytes)) {
                loaded[static_cast<std::size_t>(client)] = templateFromFile(*bytes, codec_);
            }
        } catch (const std::exception&) {
            // Out of memory, for one: the file is treated as unreadable and its box keeps its text.
        }
    }
    return loaded;
}

std::vector<SaveFailure> TemplateStore::save(const std::array<std::wstring, kClientCount>& templates) {
    std::vector<SaveFailure> failures;
    for (int client = 0; client < kClientCount; ++client) {
        const std::wstring path = pathOf(client);
        const std::string bytes = templateFileBytes(templates[static_cast<std::size_t>(client)], codec_);
        if (std::optional<std::wstring> reason = files_.replaceContent(path, bytes)) {
            failures.push_back(SaveFailure{path, std::move(*reason)});
        }
    }
    return failures;
}

std::wstring TemplateStore::pathOf(int client) const {
    return files_.programDirectory() + kClients[static_cast<std::size_t>(client)].templateFile;
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
