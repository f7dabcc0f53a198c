#pragma once

#include <windows.h>

namespace marquill::peers {

// Wall time from the moment it is made, by the performance counter: timer ticks are too coarse to time with.
class Stopwatch {
public:
    Stopwatch() { QueryPerformanceCounter(&start_); }

    double seconds() const {
        LARGE_INTEGER now;
        LARGE_INTEGER frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER start_;
};

}  // namespace marquill::peers
