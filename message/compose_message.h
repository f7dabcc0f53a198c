#pragma once

#include <string>

namespace marquill {

// What the title box and the four track labels show at the moment of composing, and one reading of the clock.
struct PlaceholderValues {
    std::wstring title;         // "%s"  txtTitle
    std::wstring trackTime;     // "%tt" lbltTime
    std::wstring trackNumber;   // "%tn" lblTrackNumber
    std::wstring trackPercent;  // "%tp" lblTrackPer
    std::wstring totalTracks;   // "%tl" lblTotalTracks
    std::wstring timeOfDay;     // "%t"
    std::wstring date;          // "%d"
};

// What a chat client makes of a message's text. A value is text for people in either: a client that reads HTML
// gets a value's "&", "<" and ">" as "&amp;", "&lt;" and "&gt;"; the template's own text is never changed.
enum class MessageMarkup { Plain, Html };

// The seven replace-all steps in their fixed order: "%s", "%tt", "%tn", "%tp", "%tl", "%t", "%d", so that "%t"
// never takes the start of the longer ones. Only the template's own placeholders are replaced: a value is put in
// as it is, so a title holding "%d" shows "%d".
// Values come from outside (anyone can write a song's tags), so none of them brings a line break: CR LF, CR and LF
// inside a value become one blank each. The template's own line breaks stay.
std::wstring ComposeMessage(const std::wstring& templateText,
                            const PlaceholderValues& values,
                            MessageMarkup markup = MessageMarkup::Plain);

// The same for an IRC client, which runs a line that starts with "/" as a command: a line whose first character
// came from a value and is "/" starts with byte 15 (plain text), so it is sent as text. A "/" the user wrote stays
// a command.
std::wstring ComposeIrcMessage(const std::wstring& templateText, const PlaceholderValues& values);

}  // namespace marquill
