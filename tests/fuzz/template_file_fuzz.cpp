#include <cstdlib>
#include <optional>
#include <string>

#include "message/template_file.h"
#include "platform/sim/windows1252_codec.h"

// Any file start-up may find: reading it never fails, and a template read from it is saved and read back unchanged.
// The same bytes taken as a template's characters (two bytes each) survive a save and a load.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const marquill::sim::Windows1252Codec codec;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<std::wstring> loaded = marquill::templateFromFile(bytes, codec)) {
        if (marquill::templateFromFile(marquill::templateFileBytes(*loaded, codec), codec) != loaded) {
            std::abort();
        }
    }

    std::wstring typed;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto character = static_cast<wchar_t>(data[i] | data[i + 1] << 8);
        // A text box holds no NUL, and a lone surrogate is no character: both are outside what can be typed.
        if (character != L'\0' && (character < 0xD800 || character > 0xDFFF)) {
            typed += character;
        }
    }
    if (marquill::templateFromFile(marquill::templateFileBytes(typed, codec), codec) != typed) {
        std::abort();
    }
    return 0;
}
