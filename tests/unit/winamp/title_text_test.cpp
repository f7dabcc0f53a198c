#include "winamp/title_text.h"

#include <gtest/gtest.h>

namespace marquill {
namespace {

struct TitleCase {
    std::wstring title;
    std::wstring song;
    std::int16_t number;
};

template <std::size_t N>
void expectCuts(const TitleCase (&cases)[N]) {
    for (const TitleCase& c : cases) {
        EXPECT_EQ(songTitleFrom(c.title), c.song) << c.title.size();
        EXPECT_EQ(trackNumberFrom(c.title), c.number) << c.title.size();
    }
}

// The player's title layouts and the cuts they must give; a wrong cut is announced to every chat.
TEST(TitleText, SongTitleAndTrackNumberOfEachLayout) {
    const TitleCase cases[] = {
        {L"12. Artist - Song - Winamp", L"Artist - Song", 12},
        {L"12. Artist - Song - Winamp (more text)", L"Artist - Song", 12},
        {L"Artist - Song - Winamp", L"Artist - Song ", 0},
        {L"5. Intro", L"Intro", 5},
        {L"Dr. Who - Theme - Winamp", L"Dr. Who - Theme ", 0},
        {L"Dr. Dre - Still D.R.E. - Winamp", L"Dr. Dre - Still D.R.E. ", 0},
        {L"3. Mr. X - Y - Winamp", L"Mr. X - Y", 3},
        {L"1.2. Song - Winamp", L"1.2. Song ", 0},
        {L"40000. Big - Winamp", L"Big", 0},
        {L"-3. Minus - Winamp", L"Minus", -3},
        {L" 8 . Loose - Winamp", L"Loose", 0},
        {L"+. Sign - Winamp", L"+. Sign ", 0},
        {L"12. Artist - Song - Winamp [Paused]", L"Artist - Song", 12},
        {L"12. Artist - Song - Winamp [Stopped]", L"Artist - Song", 12},
        {L"", L"", 0},
        {L"1. A - Winamp - B - Winamp", L"A", 1},
        {L"7.  Spaced Out   - Winamp", L"Spaced Out", 7},
        {L"7. \tTabbed\t - Winamp", L"\tTabbed\t", 7},
        {L"- Winamp", L"- Winamp", 0},
        {L" - Winamp", L" ", 0},
        {L"9. ", L"", 9},
        {L"Song - winamp", L"Song - winamp", 0},
        {L"Song -  Winamp", L"Song -  Winamp", 0},
    };
    expectCuts(cases);
}

// A caption that shows no song (the player idle, or an emulating player before its first track) must announce
// nothing; a song whose caption merely starts with the player's name is still a song.
TEST(TitleText, ThePlayersOwnNameIsNoSong) {
    const TitleCase cases[] = {
        {L"Winamp", L"", 0},
        {L"Winamp v1.x", L"", 0},
        {L"Winamp 5.9.2 Build 10042", L"", 0},
        {L"Winamp Build 10042", L"Winamp Build 10042", 0},
        {L"Winamp 5.9.2 Build", L"Winamp 5.9.2 Build", 0},
        {L"Winamp 5.9.2 Build 10042 Remix", L"Winamp 5.9.2 Build 10042 Remix", 0},
        {L"Winamp 2.95", L"", 0},
        {L"Winamp 5", L"", 0},
        {L"3. Winamp 5 - Winamp", L"Winamp 5", 3},
        {L"Winamp Dreams - Winamp", L"Winamp Dreams ", 0},
        {L"Winamp v2 Remix", L"Winamp v2 Remix", 0},
        {L"4. Winamp", L"Winamp", 4},
        {L"Winamp vX", L"Winamp vX", 0},
        {L"Winamp v", L"Winamp v", 0},
        {L"Winamp ", L"Winamp ", 0},
        {L"Winamp  5.9", L"Winamp  5.9", 0},
        {L"Winamp5.9", L"Winamp5.9", 0},
        {L"winamp 5.9", L"winamp 5.9", 0},
        {L" Winamp", L" Winamp", 0},
    };
    expectCuts(cases);
}

// Guards the number rule: only an optional sign and digits right before the dot, within 16 bits.
TEST(TitleText, TrackNumberAcceptsOnlySignedDecimalsInSixteenBits) {
    const struct {
        std::wstring title;
        std::int16_t number;
    } cases[] = {
        {L"12. Song", 12},
        {L"+12. Song", 12},
        {L"-3. Song", -3},
        {L"40000. Song", 0},
        {L"32767. Song", 32767},
        {L"32768. Song", 0},
        {L"-32768. Song", -32768},
        {L"-32769. Song", 0},
        {L"007. Song", 7},
        {L"  42. Song", 42},
        {L". Song", 0},
        {L"+. Song", 0},
        {L"- 3. Song", 0},
        {L"1 2. Song", 0},
        {L"0x1F. Song", 0},
        {L"1,000. Song", 0},
        {L"1e3. Song", 0},
        {L"12.Song", 0},
        {L"Track 12. Song", 0},
        {L"++1. Song", 0},
        {L"99999999999999999999. Song", 0},
        {L"000000000000000000012. Song", 12},
        {L"\x0663. Song", 0},  // Arabic-Indic digit three is no decimal digit here
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trackNumberFrom(c.title), c.number) << c.title.size();
    }
}

// Guards the backspace rule: removed everywhere, before either cut looks at the text.
TEST(TitleText, BackspacesVanishWherever) {
    EXPECT_EQ(withoutBackspaces(L"\b1\b2. Art\bist - Song -\b Winamp\b"), L"12. Artist - Song - Winamp");
    EXPECT_EQ(withoutBackspaces(L"\b\b"), L"");
    EXPECT_EQ(withoutBackspaces(L"plain"), L"plain");
}

}  // namespace
}  // namespace marquill
