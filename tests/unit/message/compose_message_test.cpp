#include "message/compose_message.h"

#include <gtest/gtest.h>

#include "platform/sim/fake_clock.h"

namespace marquill {
namespace {

const PlaceholderValues kExampleValues{L"Artist - Song", L"1:05 / 3:59", L"7", L"27", L"12"};

struct ComposeCase {
    std::wstring templateText;
    std::wstring expected;
};

class ComposeMessageTest : public ::testing::Test {
protected:
    template <std::size_t N>
    void expectAll(const ComposeCase (&cases)[N], const PlaceholderValues& values) {
        for (const ComposeCase& c : cases) {
            EXPECT_EQ(ComposeMessage(c.templateText, values, clock), c.expected)
                << "template size " << c.templateText.size();
        }
    }

    sim::FakeClock clock;  // 9:41:07 PM, 12/15/2006
};

// Each placeholder must take its own value, and the longer ones must win over "%t".
TEST_F(ComposeMessageTest, PlaceholdersOfATemplate) {
    const ComposeCase cases[] = {
        {L"Now playing %s [%tn/%tl] %tt (%tp%) at %t on %d",
         L"Now playing Artist - Song [7/12] 1:05 / 3:59 (27%) at 9:41:07 PM on 12/15/2006"},
        {L"%tt", L"1:05 / 3:59"},
        {L"%tx", L"9:41:07 PMx"},
        {L"%tpl", L"27l"},
        {L"%s%s|%d%d", L"Artist - SongArtist - Song|12/15/200612/15/2006"},
        {L"%%s", L"%Artist - Song"},
        {L"%t%d", L"9:41:07 PM12/15/2006"},
        {L"", L""},
    };
    expectAll(cases, kExampleValues);
}

// Matching is exact and case-sensitive: other uses of "%" reach the chat untouched.
TEST_F(ComposeMessageTest, WhatIsNoPlaceholderStays) {
    const ComposeCase cases[] = {
        {L"%T %S %D %TT %Tn", L"%T %S %D %TT %Tn"},
        {L"%", L"%"},
        {L"100% sure", L"100% sure"},
        {L"%%", L"%%"},
        {L"%x %1 %", L"%x %1 %"},
        {L"s t d tt", L"s t d tt"},
    };
    expectAll(cases, kExampleValues);
}

// Line breaks, IRC control bytes and tags are ordinary characters: nothing is split, trimmed or escaped.
TEST_F(ComposeMessageTest, LineBreaksAndControlsGoThroughWhole) {
    const ComposeCase cases[] = {
        {L"line 1 %s\r\nline 2 %tn\r\n", L"line 1 Artist - Song\r\nline 2 7\r\n"},
        {L"\x03"
         L"0,1 \x02%s\x02 <b>%tl</b>",
         L"\x03"
         L"0,1 \x02"
         L"Artist - Song\x02 <b>12</b>"},
        {L"  %s  ", L"  Artist - Song  "},
    };
    expectAll(cases, kExampleValues);
}

// The fixed order decides what happens to placeholders inside inserted values: later steps scan them, the step
// that inserted them does not.
TEST_F(ComposeMessageTest, InsertedTextIsScannedOnlyByLaterSteps) {
    const struct {
        PlaceholderValues values;
        std::wstring templateText;
        std::wstring expected;
    } cases[] = {
        {{L"On %d", L"", L"", L"", L""}, L"%s", L"On 12/15/2006"},
        {{L"At %t", L"", L"", L"", L""}, L"%s", L"At 9:41:07 PM"},
        {{L"Keep %s", L"", L"", L"", L""}, L"%s", L"Keep %s"},
        {{L"No. %tn", L"", L"5", L"", L""}, L"%s", L"No. 5"},
        {{L"", L"%tt", L"", L"", L""}, L"%tt", L"9:41:07 PMt"},
        {{L"", L"%tn", L"3", L"", L""}, L"[%tt]", L"[3]"},
        {{L"", L"", L"%tt", L"", L""}, L"%tn", L"9:41:07 PMt"},
        {{L"", L"", L"", L"", L""}, L"%s", L""},
        {{L"", L"", L"", L"", L""}, L"Now playing %s.", L"Now playing ."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComposeMessage(c.templateText, c.values, clock), c.expected) << c.values.title.size();
    }
}

// The time goes in before the date step and the date after the time step: a clock text that looks like a
// placeholder shows the one order.
TEST_F(ComposeMessageTest, TimeIsInsertedBeforeTheDateStep) {
    clock.setTexts(L"(%d)", L"(%t)");
    EXPECT_EQ(ComposeMessage(L"%t", kExampleValues, clock), L"((%t))");
    EXPECT_EQ(ComposeMessage(L"%d", kExampleValues, clock), L"(%t)");
}

}  // namespace
}  // namespace marquill
