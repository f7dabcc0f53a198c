#include "winamp/caption_scroll.h"

#include <algorithm>

namespace marquill {
namespace {

const std::wstring kMarker = L" *** ";

// What is left of the marker before S at the end of a cycle, longest first; " " alone needs the scroll before it.
const std::wstring kMarkerEnds[] = {L" *** ", L"*** ", L"** ", L"* "};

// How far two readings of a cut scroll may lie apart: one character a step, and the tick may miss a few steps
// while a chat window is waited for.
constexpr std::size_t kMaxShift = 64;

bool endsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool startsWith(const std::wstring& text, const std::wstring& start) {
    return text.compare(0, start.size(), start) == 0;
}

// X " *** " S with X a part of S's end: the leftmost such marker, which leaves the longest S.
// (A cut reading has only the start of S after the marker; see CaptionScroll::isCutStep.)
std::wstring scrolledFrom(const std::wstring& caption) {
    for (std::size_t at = caption.find(kMarker, 1); at != std::wstring::npos; at = caption.find(kMarker, at + 1)) {
        const std::wstring plain = caption.substr(at + kMarker.size());
        if (!plain.empty() && endsWith(plain, caption.substr(0, at))) {
            return plain;
        }
    }
    return {};
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
    for (std::size_t at = caption.find(kMarker, 1); at != std::wstring::npos; at = caption.find(kMarker, at + 1)) {
        const std::size_t start = at + kMarker.size();
        if (endsWith(lastPlain_, caption.substr(0, at)) &&
            lastPlain_.compare(0, caption.size() - start, caption, start) == 0) {
            return true;
        }
    }
    return false;
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
