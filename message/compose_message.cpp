#include "message/compose_message.h"

namespace marquill {
namespace {

// Left to right without overlap; the inserted text is not scanned again by the same step.
std::wstring replaceAll(const std::wstring& text, const std::wstring& find, const std::wstring& replacement) {
    std::wstring result;
    std::size_t from = 0;
    for (std::size_t at = text.find(find); at != std::wstring::npos; at = text.find(find, from)) {
        result.append(text, from, at - from).append(replacement);
        from = at + find.size();
    }
    return result.append(text, from, std::wstring::npos);
}

}  // namespace

std::wstring ComposeMessage(const std::wstring& templateText, const PlaceholderValues& values, const Clock& clock) {
    std::wstring msgWork = replaceAll(templateText, L"%s", values.title);
    msgWork = replaceAll(msgWork, L"%tt", values.trackTime);
    msgWork = replaceAll(msgWork, L"%tn", values.trackNumber);
    msgWork = replaceAll(msgWork, L"%tp", values.trackPercent);
    msgWork = replaceAll(msgWork, L"%tl", values.totalTracks);
    msgWork = replaceAll(msgWork, L"%t", clock.timeOfDayText());
    return replaceAll(msgWork, L"%d", clock.shortDateText());
}

}  // namespace marquill
