#include "message/compose_message.h"

#include <gtest/gtest.h>

namespace marquill {
namespace {

const PlaceholderValues kExampleValues{L"Artist - Song", L"1:05 / 3:59", L"7", L"27", L"12",
                                       L"9:41:07 PM",    L"12/15/2006"};

// The example's track values with another title.
PlaceholderValues titled(std::wstring title) {
    PlaceholderValues values = kExampleValues;
    values.title = std::move(title);
    return values;
}

struct ComposeCase {
    std::wstring templateText;
    std::wstring expected;
};

class ComposeMessageTest : public ::testing::Test {
protected:
    template <std::size_t N>
    void expectAll(const ComposeCase (&cases)[N], const PlaceholderValues& values) {
        for (const ComposeCase& c : cases) {
            EXPECT_EQ(ComposeMessage(c.templateText, values), c.expected) << "template size " << c.templateText.size();
        }
    }
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

// Only the template's own placeholders are replaced: a value, a title above all, is put in as it is, whatever
// placeholder it holds or forms with the template's text around it.
TEST_F(ComposeMessageTest, AValueIsPutInAsItIs) {
    const struct {
        PlaceholderValues values;
        std::wstring templateText;
        std::wstring expected;
    } cases[] = {
        {titled(L"On %d"), L"%s", L"On %d"},
        {titled(L"At %t"), L"%s", L"At %t"},
        {titled(L"Keep %s"), L"%s", L"Keep %s"},
        {titled(L"No. %tn of %tl"), L"%s [%tn]", L"No. %tn of %tl [7]"},
        {titled(L"100%"), L"%s%d", L"100%12/15/2006"},
        {titled(L"50%"), L"%sd", L"50%d"},
        {titled(L"x%"), L"%stt %tt", L"x%tt 1:05 / 3:59"},
        {{L"", L"%tt", L"%tp", L"%tl", L"%t", L"%d", L"%s"}, L"%tt|%tn|%tp|%tl|%t|%d", L"%tt|%tp|%tl|%t|%d|%s"},
        {titled(L""), L"%s", L""},
        {titled(L""), L"Now playing %s.", L"Now playing ."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComposeMessage(c.templateText, c.values), c.expected) << c.values.title.size();
    }
}

// A value comes from outside: it never brings a line break, and in the IRC message a line it starts with "/" is
// sent as text (byte 15 first), while what the user wrote keeps its meaning.
TEST_F(ComposeMessageTest, ValuesNeverBecomeLinesOrCommands) {
    const struct {
        std::wstring templateText;
        PlaceholderValues values;
        std::wstring plain;
        std::wstring irc;
    } cases[] = {
        {L"%s", titled(L"/quit bye"), L"/quit bye", L"\x0F/quit bye"},
        {L"%s", titled(L"//echo $me"), L"//echo $me", L"\x0F//echo $me"},
        {L"%s", titled(L"x\r\n/quit"), L"x /quit", L"x /quit"},
        {L"%s", titled(L"a\rb\nc\n\rd\r\n\r\ne"), L"a b c  d  e", L"a b c  d  e"},
        {L"np: %s", titled(L"/quit"), L"np: /quit", L"np: /quit"},
        {L"/me is listening to %s", titled(L"/quit"), L"/me is listening to /quit", L"/me is listening to /quit"},
        {L"one\r\n%s\r\n/two %s", titled(L"/x"), L"one\r\n/x\r\n/two /x", L"one\r\n\x0F/x\r\n/two /x"},
        {L"%tn%s", {L"/quit", L"", L"", L"", L"", L"", L""}, L"/quit", L"\x0F/quit"},
        {L"%tt\n%tn\r%tp\r\n%tl",
         {L"", L"/a", L"/b", L"/c", L"/d", L"", L""},
         L"/a\n/b\r/c\r\n/d",
         L"\x0F/a\n\x0F/b\r\x0F/c\r\n\x0F/d"},
        {L"%t\r\n%d", {L"", L"", L"", L"", L"", L"/9:41\r\n", L"\n/12"}, L"/9:41 \r\n /12", L"\x0F/9:41 \r\n /12"},
        {L"\x02\x03%s\x0F", titled(L"/x"), L"\x02\x03/x\x0F", L"\x02\x03/x\x0F"},
        {L"/%s", titled(L"/x"), L"//x", L"//x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComposeMessage(c.templateText, c.values), c.plain) << c.values.title.size();
        EXPECT_EQ(ComposeIrcMessage(c.templateText, c.values), c.irc) << c.values.title.size();
    }
}

// A client that reads HTML would take a title's "<Live>" for a tag and its "&" for the start of an entity: each value,
// those of the clock included, is escaped there, and only there; the template's own markup stays markup.
TEST_F(ComposeMessageTest, ValuesAreTextInHtmlClients) {
    const struct {
        std::wstring templateText;
        PlaceholderValues values;
        std::wstring html;
    } cases[] = {
        {L"<b>%s</b>", titled(L"Song <Live>"), L"<b>Song &lt;Live&gt;</b>"},
        {L"%s", titled(L"Tom & Jerry"), L"Tom &amp; Jerry"},
        {L"%s", titled(L"&amp; &lt;"), L"&amp;amp; &amp;lt;"},
        {L"%s", titled(L"<a\r\nb>"), L"&lt;a b&gt;"},
        {L"<i>%tt</i>|%tn|%tp|%tl", {L"", L"<1>", L"&", L">", L"<", L"", L""}, L"<i>&lt;1&gt;</i>|&amp;|&gt;|&lt;"},
        {L"&lt; & <font>%s</font> >", titled(L"x"), L"&lt; & <font>x</font> >"},
        {L"%s", titled(L"\u00AB\u00DC\u00BB \"q\" 'a'"), L"\u00AB\u00DC\u00BB \"q\" 'a'"},
        {L"<p>%t %d</p>", {L"", L"", L"", L"", L"", L"<9:41>", L"12&15"}, L"<p>&lt;9:41&gt; 12&amp;15</p>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComposeMessage(c.templateText, c.values, MessageMarkup::Html), c.html) << c.values.title.size();
    }
    const PlaceholderValues tags = titled(L"<b>Tom & Jerry</b>");
    EXPECT_EQ(ComposeMessage(L"%s", tags), L"<b>Tom & Jerry</b>") << "plain text gets the value as it is";
    EXPECT_EQ(ComposeIrcMessage(L"%s", tags), L"<b>Tom & Jerry</b>") << "so does mIRC";
}

}  // namespace
}  // namespace marquill
