#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/sim/windows1252_codec.h"
#include "winamp/title_text.h"

// Any title the player may show, as the bytes GetWindowTextA hands over: the rules must neither fail nor grow the
// text, and a number they report must stand before the first ". ".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const marquill::sim::Windows1252Codec codec;
    const std::wstring title =
        marquill::withoutBackspaces(codec.fromAnsi(std::string(reinterpret_cast<const char*>(data), size)));
    const std::wstring song = marquill::songTitleFrom(title);
    if (song.size() > title.size()) {
        std::abort();
    }
    const std::int16_t number = marquill::trackNumberFrom(title);
    if (number != 0) {
        const std::size_t dot = title.find(L". ");
        if (dot == std::wstring::npos ||
            title.substr(0, dot).find(std::to_wstring(std::abs(number))) == std::wstring::npos) {
            std::abort();
        }
    }
    return 0;
}
