#pragma once

#include <cstddef>
#include <string>

namespace marquill {

// The player can scroll its caption (its option "scroll song title in the Windows taskbar"). For a song whose plain
// caption is S it shows S, then at step k S from its k-th character on, " *** " and S whole; at the end of a cycle
// only part of " *** " is left before S ("*** S", "** S", "* S", " S"), then S again. Read as titles, the steps would
// be a new song several times a second, so a title is read from the plain caption a step shows, never from the view.
class CaptionScroll {
public:
    // `readLimit`: how many characters a reading of the caption holds at most; a longer caption arrives cut.
    explicit CaptionScroll(std::size_t readLimit) : readLimit_(readLimit) {}

    // The plain caption that `caption`, the caption as just read, shows: a step of a scroll gives the S it scrolls,
    // anything else is itself. " S" counts as a step only right after steps of the same scroll, since a caption may
    // begin with a blank. A scroll too long to be read whole (S over 509 characters) is followed from reading to
    // reading, so that it keeps the plain caption it was first read with.
    std::wstring plainCaption(const std::wstring& caption);

private:
    std::wstring plainOf(const std::wstring& caption) const;
    bool isCutStep(const std::wstring& caption) const;
    bool continuesLastReading(const std::wstring& caption) const;

    std::size_t readLimit_;
    std::wstring last_;       // the caption read before
    std::wstring lastPlain_;  // and the plain caption it showed
};

}  // namespace marquill
