#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "message/compose_message.h"
#include "platform/sim/fake_clock.h"

// Any template with any values, the clock's texts included: a value never adds a line, and in the IRC message a
// line that a value starts with "/" carries byte 15 first, while every other line is the plain message's.
namespace {

using marquill::PlaceholderValues;

std::vector<std::wstring> linesOf(const std::wstring& text) {
    std::vector<std::wstring> lines(1);
    for (const wchar_t character : text) {
        if (character == L'\r' || character == L'\n') {
            lines.emplace_back();
        } else {
            lines.back() += character;
        }
    }
    return lines;
}

std::wstring slashesAs(std::wstring text, wchar_t other) {
    for (wchar_t& character : text) {
        character = character == L'/' ? other : character;
    }
    return text;
}

// The input as a run of texts: a length byte (0 to 24 characters), then that many characters from a small
// alphabet, so placeholders, slashes and line breaks meet often. Past the end, every text is empty.
class Texts {
public:
    Texts(const std::uint8_t* bytes, std::size_t size) : next_(bytes), end_(bytes + size) {}

    std::wstring next() {
        static const wchar_t kAlphabet[] = L"%stndlp/\r\n x\x0F\u3042";
        std::wstring text;
        if (next_ == end_) {
            return text;
        }
        for (std::size_t length = *next_++ % 25; length > 0 && next_ != end_; --length) {
            text += kAlphabet[*next_++ % (sizeof(kAlphabet) / sizeof(wchar_t) - 1)];
        }
        return text;
    }

private:
    const std::uint8_t* next_;
    const std::uint8_t* end_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    Texts data(bytes, size);
    const std::wstring templateText = data.next();
    PlaceholderValues values;
    for (std::wstring* value :
         {&values.title, &values.trackTime, &values.trackNumber, &values.trackPercent, &values.totalTracks}) {
        *value = data.next();
    }
    marquill::sim::FakeClock clock;
    const std::wstring time = data.next();
    const std::wstring date = data.next();
    clock.setTexts(time, date);

    const std::vector<std::wstring> plain = linesOf(marquill::ComposeMessage(templateText, values, clock));
    const std::vector<std::wstring> irc = linesOf(marquill::ComposeIrcMessage(templateText, values, clock));
    // The same message with every "/" of the values as "#": where a line then starts differently, a value led it.
    for (std::wstring* value :
         {&values.title, &values.trackTime, &values.trackNumber, &values.trackPercent, &values.totalTracks}) {
        *value = slashesAs(*value, L'#');
    }
    clock.setTexts(slashesAs(time, L'#'), slashesAs(date, L'#'));
    const std::vector<std::wstring> traced = linesOf(marquill::ComposeMessage(templateText, values, clock));

    if (plain.size() != linesOf(templateText).size() || irc.size() != plain.size() || traced.size() != plain.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const bool valueLed = !plain[i].empty() && plain[i][0] == L'/' && traced[i][0] == L'#';
        if (irc[i] != (valueLed ? L"\x0F" + plain[i] : plain[i])) {
            std::abort();
        }
    }
    return 0;
}
