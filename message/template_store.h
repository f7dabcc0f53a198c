#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ansi_codec.h"
#include "platform/files.h"

namespace marquill {

struct SaveFailure {
    std::wstring path;
    std::wstring reason;
};

// The template files beside the program, read and written whole (format: message/template_file.h). Each file name
// (such as \aim.txt) is appended to the program directory as it is: at a drive's root the path holds two
// backslashes in a row.
// Names: LoadTemplates is the requirements'; save and the rest follow the house style.
class TemplateStore {
public:
    TemplateStore(Files& files, const AnsiCodec& codec, std::vector<std::wstring> fileNames);

    // Per file, in order: its template when it is a plain file (not a directory, hidden or system) of at most
    // kMaxTemplateFileBytes that could be read whole and holds template text; nothing means "keep the box's text".
    // The files are read one at a time.
    std::vector<std::optional<std::wstring>> LoadTemplates();

    // Writes one template per file, in order, each replacing its old file only once fully written; returns the files
    // that could not be written. Nothing is added after a template, so it comes back byte for byte.
    std::vector<SaveFailure> save(const std::vector<std::wstring>& templates);

private:
    std::wstring pathOf(std::size_t file) const;

    Files& files_;
    const AnsiCodec& codec_;
    std::vector<std::wstring> fileNames_;
};

// The text of the one message box after a save: "Messages Saved!" when nothing failed, otherwise each file that
// could not be written and why.
std::wstring saveReport(const std::vector<SaveFailure>& failures);

}  // namespace marquill
