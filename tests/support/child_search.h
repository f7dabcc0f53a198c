#pragma once

#include <functional>
#include <vector>

#include "platform/window_services.h"

// The child search the chains walk, as one table that the sim desktop and Windows itself must both pass: a sim
// kinder than Windows would let a wrong chain pass its tests.
namespace marquill::test {

// The n-th direct child of a class, asked of the window services alone.
inline WindowHandle nthChild(WindowServices& windows, WindowHandle parent, const char* className, int n) {
    WindowHandle found = windows.findChildWindow(parent, 0, className);
    for (int i = 1; i < n && found != 0; ++i) {
        found = windows.findChildWindow(parent, found, className);
    }
    return found;
}

struct ChildSearchCase {
    const char* what;
    WindowHandle parent;
    const char* className;
    int n;
    WindowHandle expected;
};

// One tree, made with `create` (class, parent; 0 for a top-level window), and what each search of it finds.
inline std::vector<ChildSearchCase> childSearchCases(
    const std::function<WindowHandle(const char* className, WindowHandle parent)>& create) {
    const WindowHandle top = create("MarquillTop", 0);
    const WindowHandle b1 = create("MarquillButton", top);
    create("MarquillStatic", top);
    const WindowHandle b2 = create("MarquillButton", top);
    const WindowHandle b3 = create("MARQUILLBUTTON", top);
    const WindowHandle grandchild = create("MarquillButton", b1);
    return {
        {"the first", top, "MarquillButton", 1, b1},
        {"the second, past another class", top, "MarquillButton", 2, b2},
        {"the class named without regard to case", top, "marquillbutton", 3, b3},
        {"no wrap-around after the last", top, "MarquillButton", 4, 0},
        {"direct children only", b1, "MarquillButton", 1, grandchild},
        {"none after the only one", b1, "MarquillButton", 2, 0},
        {"no fallback to the top-level windows", 0, "MarquillTop", 1, 0},
    };
}

}  // namespace marquill::test
