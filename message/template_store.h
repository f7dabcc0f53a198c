#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chat/chat_clients.h"
#include "platform/ansi_codec.h"
#include "platform/files.h"

namespace marquill {

// The built-in template of a client, its ANSI bytes decoded with `codec`.
std::wstring defaultTemplate(int client, const AnsiCodec& codec);

struct SaveFailure {
    std::wstring path;
    std::wstring reason;
};

// The four template files beside the program, read and written whole (format: message/template_file.h).
class TemplateStore {
public:
    TemplateStore(Files& files, const AnsiCodec& codec);

    // Per client: the template in its file when that is a plain file (not a directory, hidden or system) of at most
    // kMaxTemplateFileBytes that could be read whole and holds template text; nothing means "keep the box's text".
    // The files are read one at a time, in client order.
    std::array<std::optional<std::wstring>, kClientCount> LoadTemplates();

    // Writes all four in client order, each replacing its old file only once fully written; returns the files that
    // could not be written. Nothing is added after a template, so it comes back byte for byte.
    std::vector<SaveFailure> save(const std::array<std::wstring, kClientCount>& templates);

private:
    std::wstring pathOf(int client) const;

    Files& files_;
    const AnsiCodec& codec_;
};

// The text of the one message box after a save: "Messages Saved!" when nothing failed, otherwise each file that
// could not be written and why.
std::wstring saveReport(const std::vector<SaveFailure>& failures);

}  // namespace marquill
