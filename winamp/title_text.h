#pragma once

#include <cstdint>
#include <string>

namespace marquill {

// The rules that cut the song title and the track number out of the player's window title,
// for example "12. Artist - Song - Winamp" -> "Artist - Song" and 12.

// Drops every backspace character, wherever it stands.
std::wstring withoutBackspaces(std::wstring titleText);

// Empty for a caption that names only the player, alone or with a version word («Winamp 5.9», «Winamp v1.x»).
// Otherwise cuts at the first " - Winamp" (keeping its leading space), then, if what is left starts with a
// playlist number and ". " («12. »), keeps what follows its dot with blanks trimmed at both ends.
std::wstring songTitleFrom(const std::wstring& titleText);

// Whether the caption holds a playlist number: optional sign and decimal digits right before the first ". ",
// whatever their value. The player shows it only while its option to do so is on.
bool hasPlaylistNumber(const std::wstring& titleText);

// The playlist number of the caption; 0 when there is none or it does not fit 16 bits.
std::int16_t trackNumberFrom(const std::wstring& titleText);

}  // namespace marquill
