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

// The seven replace-all steps in their fixed order: "%s", "%tt", "%tn", "%tp", "%tl", "%t", "%d", so that "%t"
// never takes the start of the longer ones. Only the template's own placeholders are replaced: a value is put in
// as it is, so a title holding "%d" shows "%d".
// Values come from outside (anyone can write a song's tags), so none of them brings a line break: CR LF, CR and LF
// inside a value become one blank each. The template's own line breaks stay.
std::wstring ComposeMessage(const std::wstring& templateText, const PlaceholderValues& values);

// The same for an IRC client, which runs a line that starts with "/" as a command: a line whose first character
// came from a value and is "/" starts with byte 15 (plain text), so it is sent as text. A "/" the user wrote stays
// a command.
std::wstring ComposeIrcMessage(const std::wstring& templateText, const PlaceholderValues& values);

}  // namespace marquill
