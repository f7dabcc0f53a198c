#include "message/compose_message.h"

#include <cstdint>
#include <vector>

namespace marquill {
namespace {

constexpr wchar_t kPlainText = L'\x0F';  // IRC's "plain text" control: invisible, and no command can start with it

// The text being composed, and for each character whether a value brought it (bytes, not vector<bool>: copying
// ranges of bits one by one made composing several times slower).
struct MarkedText {
    std::wstring text;
    std::vector<std::uint8_t> fromValue;

    void append(const MarkedText& source, std::size_t from, std::size_t count) {
        text.append(source.text, from, count);
        fromValue.insert(fromValue.end(), source.fromValue.begin() + static_cast<std::ptrdiff_t>(from),
                         source.fromValue.begin() + static_cast<std::ptrdiff_t>(from + count));
    }
    void appendValue(const std::wstring& value) {
        text += value;
        fromValue.insert(fromValue.end(), value.size(), 1);
    }
};

bool isLineBreak(wchar_t character) {
    return character == L'\r' || character == L'\n';
}

std::wstring withoutLineBreaks(const std::wstring& value) {
    std::wstring flat;
    flat.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == L'\r' && i + 1 < value.size() && value[i + 1] == L'\n') {
            ++i;
        }
        flat += isLineBreak(value[i]) ? L' ' : value[i];
    }
    return flat;
}

std::wstring asText(const std::wstring& value, MessageMarkup markup) {
    if (markup == MessageMarkup::Plain) {
        return value;
    }
    std::wstring escaped;
    escaped.reserve(value.size());
    for (const wchar_t character : value) {
        switch (character) {
            case L'&':
                escaped += L"&amp;";
                break;
            case L'<':
                escaped += L"&lt;";
                break;
            case L'>':
                escaped += L"&gt;";
                break;
            default:
                escaped += character;
        }
    }
    return escaped;
}

// Left to right without overlap; the inserted text is not scanned again by the same step. The value is asked for
// only when the placeholder is there, so a template without "%t" does not read the clock's text.
template <typename ValueOf>
void replaceAll(MarkedText& buffer, const std::wstring& find, MessageMarkup markup, ValueOf valueOf) {
    std::size_t at = buffer.text.find(find);
    if (at == std::wstring::npos) {
        return;
    }
    const std::wstring replacement = asText(withoutLineBreaks(valueOf()), markup);
    MarkedText result;
    result.text.reserve(buffer.text.size() + replacement.size());
    result.fromValue.reserve(buffer.text.size() + replacement.size());
    std::size_t from = 0;
    for (; at != std::wstring::npos; at = buffer.text.find(find, from)) {
        result.append(buffer, from, at - from);
        result.appendValue(replacement);
        from = at + find.size();
    }
    result.append(buffer, from, buffer.text.size() - from);
    buffer = std::move(result);
}

MarkedText composeMarked(const std::wstring& templateText,
                         const PlaceholderValues& values,
                         const Clock& clock,
                         MessageMarkup markup) {
    MarkedText msgWork{templateText, std::vector<std::uint8_t>(templateText.size(), 0)};
    replaceAll(msgWork, L"%s", markup, [&] { return values.title; });
    replaceAll(msgWork, L"%tt", markup, [&] { return values.trackTime; });
    replaceAll(msgWork, L"%tn", markup, [&] { return values.trackNumber; });
    replaceAll(msgWork, L"%tp", markup, [&] { return values.trackPercent; });
    replaceAll(msgWork, L"%tl", markup, [&] { return values.totalTracks; });
    replaceAll(msgWork, L"%t", markup, [&] { return clock.timeOfDayText(); });
    replaceAll(msgWork, L"%d", markup, [&] { return clock.shortDateText(); });
    return msgWork;
}

}  // namespace

std::wstring ComposeMessage(const std::wstring& templateText,
                            const PlaceholderValues& values,
                            const Clock& clock,
                            MessageMarkup markup) {
    return composeMarked(templateText, values, clock, markup).text;
}

std::wstring ComposeIrcMessage(const std::wstring& templateText, const PlaceholderValues& values, const Clock& clock) {
    const MarkedText composed = composeMarked(templateText, values, clock, MessageMarkup::Plain);
    std::wstring message;
    message.reserve(composed.text.size() + 1);
    for (std::size_t i = 0; i < composed.text.size(); ++i) {
        // Values hold no line break, so every line starts at the beginning or after one of the template's.
        const bool lineStart = i == 0 || isLineBreak(composed.text[i - 1]);
        if (lineStart && composed.fromValue[i] && composed.text[i] == L'/') {
            message += kPlainText;
        }
        message += composed.text[i];
    }
    return message;
}

}  // namespace marquill
