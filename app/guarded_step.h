#pragma once

#include <exception>

namespace marquill {

// A step that fails is skipped and the handler goes on with the next one; nothing is reported. True when it ran.
template <typename Step>
bool guarded(Step&& step) {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace marquill
