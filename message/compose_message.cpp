#include "message/compose_message.h"

#include <algorithm>
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

// The next occurrence of `find` at or after `from` that the template wrote, none of its characters a value's.
std::size_t findOwn(const MarkedText& buffer, const std::wstring& find, std::size_t from) {
    for (std::size_t at = buffer.text.find(find, from); at != std::wstring::npos; at = buffer.text.find(find, at + 1)) {
        const auto marks = buffer.fromValue.begin() + static_cast<std::ptrdiff_t>(at);
        if (std::find(marks, marks + static_cast<std::ptrdiff_t>(find.size()), 1) ==
            marks + static_cast<std::ptrdiff_t>(find.size())) {
            return at;
        }
    }
    return std::wstring::npos;
}

// Left to right without overlap, over the template's own text only.
void replaceAll(MarkedText& buffer, const std::wstring& find, const std::wstring& value, MessageMarkup markup) {
    std::size_t at = findOwn(buffer, find, 0);
    if (at == std::wstring::npos) {
        return;
    }
    const std::wstring replacement = asText(withoutLineBreaks(value), markup);
    MarkedText result;
    result.text.reserve(buffer.text.size() + replacement.size());
    result.fromValue.reserve(buffer.text.size() + replacement.size());
    std::size_t from = 0;
    for (; at != std::wstring::npos; at = findOwn(buffer, find, from)) {
        result.append(buffer, from, at - from);
        result.appendValue(replacement);
        from = at + find.size();
    }
    result.append(buffer, from, buffer.text.size() - from);
    buffer = std::move(result);
}

MarkedText composeMarked(const std::wstring& templateText, const PlaceholderValues& values, MessageMarkup markup) {
    MarkedText msgWork{templateText, std::vector<std::uint8_t>(templateText.size(), 0)};
    replaceAll(msgWork, L"%s", values.title, markup);
    replaceAll(msgWork, L"%tt", values.trackTime, markup);
    replaceAll(msgWork, L"%tn", values.trackNumber, markup);
    replaceAll(msgWork, L"%tp", values.trackPercent, markup);
    replaceAll(msgWork, L"%tl", values.totalTracks, markup);
    replaceAll(msgWork, L"%t", values.timeOfDay, markup);
    replaceAll(msgWork, L"%d", values.date, markup);
    return msgWork;
}

}  // namespace

std::wstring ComposeMessage(const std::wstring& templateText, const PlaceholderValues& values, MessageMarkup markup) {
    return composeMarked(templateText, values, markup).text;
}

std::wstring ComposeIrcMessage(const std::wstring& templateText, const PlaceholderValues& values) {
    const MarkedText composed = composeMarked(templateText, values, MessageMarkup::Plain);
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
