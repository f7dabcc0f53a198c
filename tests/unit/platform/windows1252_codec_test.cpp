#include "platform/sim/windows1252_codec.h"

#include <gtest/gtest.h>

namespace marquill::sim {
namespace {

// The bytes tests expect must match what US English Windows sends: templates carry IRC control bytes and
// characters above 0x7F.
TEST(Windows1252Codec, MapsTheCodePageBothWays) {
    const struct {
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {"plain", L"plain"},
        {"\x02\x03\r\n", L"\x02\x03\r\n"},
        {"\xC2\xAB", L"\u00C2\u00AB"},
        {"\x80\x9F\x8A", L"\u20AC\u0178\u0160"},
        {"\x81\x8D\x8F\x90\x9D", L"\u0081\u008D\u008F\u0090\u009D"},
        {"\xA0\xFF", L"\u00A0\u00FF"},
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    Windows1252Codec codec;
    for (const auto& c : cases) {
        EXPECT_EQ(codec.fromAnsi(c.bytes), c.text);
        EXPECT_EQ(codec.toAnsi(c.text), c.bytes);
    }
}

TEST(Windows1252Codec, UnrepresentableCharactersBecomeQuestionMarks) {
    Windows1252Codec codec;
    EXPECT_EQ(codec.toAnsi(L"\u0416\u3042x\u0100"), "??x?");
    EXPECT_EQ(codec.toAnsiExactly(L"\u0416\u3042x\u0100"), std::nullopt);
    EXPECT_EQ(codec.toAnsiExactly(L"\u20AC\x02x"), "\x80\x02x");
}

}  // namespace
}  // namespace marquill::sim
