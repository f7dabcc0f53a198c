#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

#include "platform/sim/windows1252_codec.h"
#include "tests/support/child_search.h"

namespace marquill::sim {
namespace {

// The sim's child search is Windows' own: the table the Windows tests run against real windows.
TEST(SimDesktopTest, ChildSearchFindsTheNthOfAClassWithoutWrapping) {
    Windows1252Codec codec;
    SimDesktop desktop{codec};
    const std::vector<test::ChildSearchCase> cases = test::childSearchCases(
        [&](const char* className, WindowHandle parent) { return desktop.createWindow(className, L"", parent); });
    for (const test::ChildSearchCase& c : cases) {
        EXPECT_EQ(test::nthChild(desktop, c.parent, c.className, c.n), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace marquill::sim
