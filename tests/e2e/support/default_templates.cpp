#include "support/default_templates.h"

#include "message/template_store.h"
#include "platform/win32/win32_ansi_codec.h"

namespace marquill::test {

std::string defaultTemplateBytes(int client) {
    const win32::Win32AnsiCodec codec;
    return codec.toAnsi(defaultTemplate(client, codec));
}

}  // namespace marquill::test
