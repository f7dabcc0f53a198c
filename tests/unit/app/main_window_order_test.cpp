#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window_description.h"
#include "tests/support/expected_layout.h"

namespace marquill::mainwindow {
namespace {

std::string nameOf(const ControlDescription& control) {
    return std::string(control.name) + (control.index == kNoIndex ? "" : "(" + std::to_string(control.index) + ")");
}

// The window is built top of the stacking order first: out of order, one option button hides another's button,
// and a user's tool that counts controls of a class finds the wrong one.
TEST(MainWindowOrderTest, StackingIsTheOrderAUserSees) {
    std::vector<std::string> stacked;
    for (const ControlDescription* control : stackingOrder()) {
        stacked.push_back(nameOf(*control));
    }
    std::vector<std::string> expected;
    for (const test::layout::ExpectedControl& control : test::layout::kControls) {
        expected.push_back(control.name);
    }
    EXPECT_EQ(stacked, expected);
}

// Tab walks what can hold the focus by tab index; labels, the frame and the picture hold a tab index but never the
// focus, and the title box and Command1 lie outside the window, where a focus could not be seen and each key typed
// into the title box would be announced.
TEST(MainWindowOrderTest, TabWalksTheFocusableControlsByTabIndex) {
    std::vector<std::string> walked;
    for (const int control : tabOrder()) {
        walked.push_back(nameOf(*findControl(control)));
    }
    EXPECT_EQ(walked,
              (std::vector<std::string>{"txtData(0)", "optFormate(0)", "optFormate(1)", "optFormate(2)", "txtData(1)",
                                        "txtData(2)", "chkEnable", "txtData(3)", "optFormate(3)", "cmdSave"}));
}

}  // namespace
}  // namespace marquill::mainwindow
