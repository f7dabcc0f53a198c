#pragma once

#include <vector>

#include "platform/window_services.h"

namespace marquill {

// One search of a chain: the `ordinal`-th direct child of class `className` (1 for the first) under the window
// found by the search before.
struct ChildStep {
    const char* className;
    int ordinal;
};

// The window at the end of a chain of child searches that starts at `start`; 0 as soon as one search finds nothing.
// A chain never goes on from nothing: a search after no window would start over at the first child, and one under
// no parent would search the top-level windows.
WindowHandle followChildChain(WindowServices& windows, WindowHandle start, const std::vector<ChildStep>& steps);

// The same from the top-level window of `topLevelClass`.
WindowHandle followWindowChain(WindowServices& windows, const char* topLevelClass, const std::vector<ChildStep>& steps);

}  // namespace marquill
