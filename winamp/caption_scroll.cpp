#include "winamp/caption_scroll.h"

#include <string_view>

namespace marquill {
namespace {

const std::wstring kMarker = L" *** ";

// What is left of the marker before S at the end of a cycle, longest first; " " alone needs the scroll before it.
const std::wstring kMarkerEnds[] = {L" *** ", L"*** ", L"** ", L"* "};

// How far two readings of a cut scroll may lie apart: one character a step, and the tick may miss a few steps
// while a chat window is waited for.
constexpr std::size_t kMaxShift = 64;

bool endsWith(std::wstring_view text, std::wstring_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool startsWith(std::wstring_view text, std::wstring_view start) {
    return text.substr(0, start.size()) == start;
}

// The leftmost " *** " after at least one character at which `splits(before, after)` holds; npos when none.
template <typename Splits>
std::size_t markerWhere(const std::wstring& caption, Splits splits) {
    const std::wstring_view whole = caption;
    for (std::size_t at = caption.find(kMarker, 1); at != std::wstring::npos; at = caption.find(kMarker, at + 1)) {
        if (splits(whole.substr(0, at), whole.substr(at + kMarker.size()))) {
            return at;
        }
    }
    return std::wstring::npos;
}

// X " *** " S with X a part of S's end: the leftmost such marker, which leaves the longest S.
std::wstring scrolledFrom(const std::wstring& caption) {
    const std::size_t at = markerWhere(caption, [](std::wstring_view before, std::wstring_view after) {
        return !after.empty() && endsWith(after, before);
    });
    return at == std::wstring::npos ? std::wstring() : caption.substr(at + kMarker.size());
}

}  // namespace

std::wstring CaptionScroll::plainCaption(const std::wstring& caption) {
    if (caption != last_) {
        lastPlain_ = plainOf(caption);
        last_ = caption;
    }
    return lastPlain_;
}

std::wstring CaptionScroll::plainOf(const std::wstring& caption) const {
    if (caption.size() >= readLimit_ && (continuesLastReading(caption) || isCutStep(caption))) {
        return lastPlain_;
    }
    if (std::wstring plain = scrolledFrom(caption); !plain.empty()) {
        return plain;
    }
    for (const std::wstring& end : kMarkerEnds) {
        if (caption.size() > end.size() && startsWith(caption, end)) {
            return caption.substr(end.size());
        }
    }
    if (!lastPlain_.empty() && caption == L" " + lastPlain_ && last_ != lastPlain_) {
        return lastPlain_;  // the last step of the cycle, after steps of this scroll
    }
    return caption;
}

// X " *** " and the start of the plain caption read before, X a part of its end: a step of that scroll, cut.
bool CaptionScroll::isCutStep(const std::wstring& caption) const {
    return markerWhere(caption, [this](std::wstring_view before, std::wstring_view after) {
               return endsWith(lastPlain_, before) && startsWith(lastPlain_, after);
           }) != std::wstring::npos;
}

// Both readings cut at the limit, this one the last moved on by a few characters: the same long scroll.
bool CaptionScroll::continuesLastReading(const std::wstring& caption) const {
    if (last_.size() < readLimit_) {
        return false;
    }
    for (std::size_t shift = 1; shift <= kMaxShift; ++shift) {
        if (caption.compare(0, last_.size() - shift, last_, shift) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace marquill
