#include <fuzzer/FuzzedDataProvider.h>

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

// Characters from a small alphabet, so placeholders, slashes and line breaks meet often.
std::wstring textFrom(FuzzedDataProvider& data) {
    static const wchar_t kAlphabet[] = L"%stndlp/\r\n x\x0F\u3042";
    std::wstring text;
    for (const std::uint8_t byte : data.ConsumeBytes<std::uint8_t>(data.ConsumeIntegralInRange<std::size_t>(0, 24))) {
        text += kAlphabet[byte % (sizeof(kAlphabet) / sizeof(wchar_t) - 1)];
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::wstring templateText = textFrom(data);
    PlaceholderValues values{textFrom(data), textFrom(data), textFrom(data), textFrom(data), textFrom(data)};
    marquill::sim::FakeClock clock;
    const std::wstring time = textFrom(data);
    const std::wstring date = textFrom(data);
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
