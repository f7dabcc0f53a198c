#include "platform/window_chain.h"

namespace marquill {

WindowHandle followChildChain(WindowServices& windows, WindowHandle start, const std::vector<ChildStep>& steps) {
    WindowHandle window = start;
    for (const ChildStep& step : steps) {
        if (window == 0) {
            return 0;
        }
        const WindowHandle parent = window;
        window = 0;
        for (int found = 0; found < step.ordinal; ++found) {
            window = windows.findChildWindow(parent, window, step.className);
            if (window == 0) {
                return 0;
            }
        }
    }
    return window;
}

WindowHandle followWindowChain(WindowServices& windows,
                               const char* topLevelClass,
                               const std::vector<ChildStep>& steps) {
    return followChildChain(windows, windows.findWindow(topLevelClass), steps);
}

}  // namespace marquill
