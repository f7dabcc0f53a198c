#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "message/compose_message.h"

// Any template with any values, the clock's texts included: a value never adds a line, and in the IRC message a
// line that a value starts with "/" carries byte 15 first, while every other line is the plain message's.
namespace {

using marquill::PlaceholderValues;

// Views into `text`, which must outlive them: no copies, so that a run costs little and the fuzzer runs often.
std::vector<std::wstring_view> linesOf(const std::wstring& text) {
    std::vector<std::wstring_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            lines.emplace_back(text.data() + start, i - start);
            start = i + 1;
        }
    }
    lines.emplace_back(text.data() + start, text.size() - start);
    return lines;
}

std::wstring slashesAs(std::wstring text, wchar_t other) {
    for (wchar_t& character : text) {
        character = character == L'/' ? other : character;
    }
    return text;
}

// The input as a run of texts: a length byte (0 to 12 characters: enough for every placeholder to meet a slash and a
// line break, short enough that a text of placeholders inside placeholders stays small), then that many characters from
// a small alphabet, so placeholders, slashes and line breaks meet often. Past the end, every text is empty.
class Texts {
public:
    Texts(const std::uint8_t* bytes, std::size_t size) : next_(bytes), end_(bytes + size) {}

    std::wstring next() {
        static const wchar_t kAlphabet[] = L"%stndlp/\r\n x\x0F\u3042";
        std::wstring text;
        if (next_ == end_) {
            return text;
        }
        const std::size_t wanted = *next_++ % 13;
        const std::size_t length = std::min(wanted, static_cast<std::size_t>(end_ - next_));
        text.reserve(length);
        for (std::size_t i = 0; i < length; ++i) {
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
    const auto allValues = {&values.title,       &values.trackTime, &values.trackNumber, &values.trackPercent,
                            &values.totalTracks, &values.timeOfDay, &values.date};
    for (std::wstring* value : allValues) {
        *value = data.next();
    }

    const std::wstring plainMessage = marquill::ComposeMessage(templateText, values);
    const std::wstring ircMessage = marquill::ComposeIrcMessage(templateText, values);
    const std::vector<std::wstring_view> plain = linesOf(plainMessage);
    const std::vector<std::wstring_view> irc = linesOf(ircMessage);
    // The same message with every "/" of the values as "#": where a line then starts differently, a value led it.
    for (std::wstring* value : allValues) {
        *value = slashesAs(*value, L'#');
    }
    const std::wstring tracedMessage = marquill::ComposeMessage(templateText, values);
    const std::vector<std::wstring_view> traced = linesOf(tracedMessage);

    if (plain.size() != linesOf(templateText).size() || irc.size() != plain.size() || traced.size() != plain.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const bool valueLed = !plain[i].empty() && plain[i][0] == L'/' && traced[i][0] == L'#';
        // A line the template itself starts with byte 15 is no marked line: compare the whole line then.
        const bool marked = valueLed && !irc[i].empty() && irc[i][0] == L'\x0F';
        if (marked != valueLed || irc[i].substr(marked ? 1 : 0) != plain[i]) {
            std::abort();
        }
    }
    return 0;
}
