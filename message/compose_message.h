#pragma once

#include <string>

#include "platform/clock.h"

namespace marquill {

// What the title box and the four track labels show at the moment of composing.
struct PlaceholderValues {
    std::wstring title;         // "%s"  txtTitle
    std::wstring trackTime;     // "%tt" lbltTime
    std::wstring trackNumber;   // "%tn" lblTrackNumber
    std::wstring trackPercent;  // "%tp" lblTrackPer
    std::wstring totalTracks;   // "%tl" lblTotalTracks
};

// What a chat client makes of a message's text. A value is text for people in either: a client that reads HTML
// gets a value's "&", "<" and ">" as "&amp;", "&lt;" and "&gt;"; the template's own text is never changed.
enum class MessageMarkup { Plain, Html };

// The seven replace-all steps in their fixed order: "%s", "%tt", "%tn", "%tp", "%tl", "%t", "%d". Each later step
// also scans what the earlier ones inserted, so a "%d" in the title becomes the date. "%t" reads
// clock.timeOfDayText() and "%d" clock.shortDateText(), each at its own step.
// Values come from outside (anyone can write a song's tags), so none of them brings a line break: CR LF, CR and LF
// inside a value become one blank each. The template's own line breaks stay.
std::wstring ComposeMessage(const std::wstring& templateText,
                            const PlaceholderValues& values,
                            const Clock& clock,
                            MessageMarkup markup = MessageMarkup::Plain);

// The same for an IRC client, which runs a line that starts with "/" as a command: a line whose first character
// came from a value and is "/" starts with byte 15 (plain text), so it is sent as text. A "/" the user wrote stays
// a command.
std::wstring ComposeIrcMessage(const std::wstring& templateText, const PlaceholderValues& values, const Clock& clock);

}  // namespace marquill
