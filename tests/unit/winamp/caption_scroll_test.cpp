#include "winamp/caption_scroll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "winamp/title_text.h"

namespace marquill {
namespace {

constexpr std::size_t kReadLimit = 1023;

// One cycle of the player's scroll of `plain`: S, then S from its k-th character on, " *** " and S, down to " S".
std::vector<std::wstring> scrollCycle(const std::wstring& plain) {
    const std::wstring scrolled = plain + L" *** " + plain;
    std::vector<std::wstring> steps = {plain};
    for (std::size_t k = 1; k <= plain.size() + 4; ++k) {
        steps.push_back(scrolled.substr(k));
    }
    return steps;
}

// Readings of a real player's caption, in order ("–" is U+2013): the model above must hold each of them.
TEST(CaptionScroll, TheModelHoldsTheMeasuredTrace) {
    const std::wstring plain = L"3651. Mira Vale \u2013 Glass Season - Winamp";
    const std::wstring measured[] = {
        plain,
        L"651. Mira Vale \u2013 Glass Season - Winamp *** " + plain,
        L"Mira Vale \u2013 Glass Season - Winamp *** " + plain,
        L"a Vale \u2013 Glass Season - Winamp *** " + plain,
        L"le \u2013 Glass Season - Winamp *** " + plain,
        L"Glass Season - Winamp *** " + plain,
        L"ason - Winamp *** " + plain,
    };
    const std::vector<std::wstring> cycle = scrollCycle(plain);
    auto next = cycle.begin();
    for (const std::wstring& reading : measured) {
        next = std::find(next, cycle.end(), reading);
        EXPECT_NE(next, cycle.end()) << "not a later step: " << reading.size() << " characters";
    }
}

// Every step of a scroll reads as its plain caption, so one song is one title and one track number, announced once;
// read as they show, the steps were a new song several times a second.
TEST(CaptionScroll, EveryStepReadsAsThePlainCaption) {
    const std::wstring songs[] = {
        L"3651. Mira Vale \u2013 Glass Season - Winamp", L"3652. Kettle and Rye \u2013 Slow Orbit - Winamp",
        L"Mira Vale \u2013 Glass Season - Winamp",       L"1. A *** B - Winamp",
        L"7. " + std::wstring(497, L'x') + L" - Winamp",  // 509 characters: the longest whose whole scroll can be read
    };
    CaptionScroll scroll(kReadLimit);
    for (const std::wstring& plain : songs) {
        for (int cycle = 0; cycle < 2; ++cycle) {
            for (const std::wstring& step : scrollCycle(plain)) {
                ASSERT_LE(step.size(), kReadLimit);
                EXPECT_EQ(scroll.plainCaption(step), plain) << "step of " << step.size() << " characters";
            }
        }
    }
    EXPECT_EQ(songs[4].size(), 509u);
}

// A caption that is no step of a scroll reads as it is: a song name with " *** " in it, a caption that begins with a
// blank, the player's other layouts.
TEST(CaptionScroll, OtherCaptionsReadAsTheyAre) {
    const struct {
        std::wstring before;  // the caption read just before
        std::wstring caption;
    } cases[] = {
        {L"", L"1. A *** B - Winamp"},
        {L"", L"A *** B *** C - Winamp"},
        {L"", L" A - Winamp"},
        {L"A - Winamp", L" A - Winamp"},  // after the plain caption, no scroll is under way
        {L"3. Other - Winamp", L" 12. Artist - Song - Winamp"},
        {L"", L"12. Artist - Song - Winamp (more text)"},
        {L"", L"Dr. Who - Theme - Winamp"},
        {L"", L"Winamp"},
        {L"", L" *** "},
        {L"", L"*"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        CaptionScroll scroll(kReadLimit);
        scroll.plainCaption(c.before);
        EXPECT_EQ(scroll.plainCaption(c.caption), c.caption) << "after \"" << c.before.size() << "\" characters";
    }
}

// A plain caption over 509 characters scrolls past what one reading holds (1,023 characters): the readings arrive
// cut, yet each song must still be one title, never one per step.
TEST(CaptionScroll, ACutScrollIsStillOneSongPerCaption) {
    for (const std::size_t length : {510u, 700u, 1018u, 1023u, 1500u, 3000u}) {
        CaptionScroll scroll(kReadLimit);
        for (const wchar_t song : {L'a', L'b'}) {
            const std::wstring plain = std::wstring(1, song) + L". " + std::wstring(length - 12, song) + L" - Winamp";
            std::set<std::wstring> read;
            for (int cycle = 0; cycle < 2; ++cycle) {
                for (const std::wstring& step : scrollCycle(plain)) {
                    read.insert(scroll.plainCaption(step.substr(0, kReadLimit)));
                }
            }
            EXPECT_EQ(read.size(), 1u) << length << " characters";
            EXPECT_EQ(*read.begin(), plain.substr(0, kReadLimit)) << length << " characters";
        }
    }
}

}  // namespace
}  // namespace marquill
