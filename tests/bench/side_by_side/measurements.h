#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/bench/side_by_side/outside_world.h"

namespace marquill::bench {

// A program to start: its built exe and its arguments.
struct Program {
    std::string exePath;
    std::string arguments;
};

// One start: the seconds from creating the process to its visible window, and its working set in bytes once it
// waits for input.
struct StartSample {
    double seconds;
    double workingSet;
};

StartSample startOnce(const Program& program);

// A program that polls the player (MarquillAmp with announcing on, or a bare poller): its own CPU seconds per
// polling tick over `seconds` of steady polling. A tick is counted by the player's playlist-length query, the one
// question every tick asks once.
double pollingCpuPerTick(const Program& program, OutsideWorld& world, double seconds);

// MarquillAmp driven as a user drives it: started, announcing switched on by a click on "Enable Marquill Amp",
// polled steadily, then a new song as soon as each announcement has reached the chat window.
struct AnnouncingRun {
    double workingSetAfterStart;
    double cpuPerTick;
    std::vector<double> latencies;  // seconds from each new title to its message in the chat window
    double workingSetAfter;
};

AnnouncingRun runAnnouncing(const Program& marquillAmp, OutsideWorld& world, double cpuSeconds, int announcements);

// The period of a timer asked for the program's polling interval, as this system delivers it, in seconds.
double timerPeriod();

}  // namespace marquill::bench
