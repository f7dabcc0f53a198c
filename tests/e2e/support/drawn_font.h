#pragma once

#include <windows.h>

#include <gtest/gtest.h>

namespace marquill::test {

// Another process's font handle means nothing in ours, so the font a control uses is found from what it draws:
// our own rendering of its text in Tahoma 8.25 pt (11 pixels) is matched against the control.
enum class Weight { Unknown, Regular, Bold };

// For a visible control that draws a caption (label, button, option, check box, frame): the weight whose rendering
// of the caption's first word appears among the control's pixels on the screen. Unknown when neither appears,
// for instance for a control outside the visible client area or drawn in another face or size.
Weight drawnWeight(HWND control);

// For an edit box, shown or hidden: the weight whose character widths give the positions the box reports for the
// first characters of its text (EM_POSFROMCHAR). Unknown when neither does or the text is too short.
Weight editWeight(HWND edit);

const char* toString(Weight weight);

// Waits until the control (an edit box or a captioned control) is seen in `expected` weight, since a change of
// font shows only once the control has repainted; on failure says what was seen.
::testing::AssertionResult drawnIn(HWND control, Weight expected, DWORD timeoutMs);

}  // namespace marquill::test
