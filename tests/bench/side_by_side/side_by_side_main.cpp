#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "peers/app_process.h"
#include "tests/bench/side_by_side/figures.h"
#include "tests/bench/side_by_side/measurements.h"
#include "tests/bench/side_by_side/outside_world.h"

// MarquillAmp side by side with the limits it is held to, under the same load: each round measures every figure of
// the program and of its comparisons one after the other (A, B, A, B ...), so a busy moment of the machine touches
// both sides of a ratio. Prints one table; asserts nothing.
// Usage: side_by_side [--rounds N] [--starts N] [--announcements N] [--cpu-seconds S]
namespace {

using namespace marquill::bench;

struct Options {
    int rounds = 5;
    int starts = 3;  // of each program, a round
    int announcements = 1000;
    double cpuSeconds = 10;  // process times advance in steps of 10 ms under Wine
};

// False when an argument is not one of the options, or its value is not positive (a whole count, at least 1).
bool parse(int argc, char** argv, Options& options) {
    if (argc % 2 == 0) {
        return false;
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const double value = std::atof(argv[i + 1]);
        if (value <= 0 || (name != "--cpu-seconds" && value < 1)) {
            return false;
        }
        if (name == "--rounds") {
            options.rounds = static_cast<int>(value);
        } else if (name == "--starts") {
            options.starts = static_cast<int>(value);
        } else if (name == "--announcements") {
            options.announcements = static_cast<int>(value);
        } else if (name == "--cpu-seconds") {
            options.cpuSeconds = value;
        } else {
            return false;
        }
    }
    return true;
}

double fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(marquill::peers::windowsPath(path).c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return static_cast<double>(data.nFileSizeLow);
}

const Program kMarquillAmp{MARQUILL_EXE, ""};
const Program kSameControls{SAME_CONTROLS_EXE, ""};
const Program kEmptyWindow{SAME_CONTROLS_EXE, "empty"};
const Program kFourteenCalls{BARE_POLLER_EXE, "14"};
const Program kFiveCalls{BARE_POLLER_EXE, "5"};

struct Rounds {
    std::vector<double> cpuOurs, cpuFourteen, cpuFive;
    std::vector<double> p50, p95, period;
    std::vector<double> startOurs, startSame, startEmpty;
    std::vector<double> memoryOurs, memorySame, memoryAfter;
};

// The median of `starts` starts of each program. The programs take turns, and the turn's first program changes from
// one start to the next, so none always follows the same one.
void measureStarts(const Options& options, Rounds& rounds) {
    const Program* programs[] = {&kMarquillAmp, &kSameControls, &kEmptyWindow};
    std::vector<double> seconds[3];
    std::vector<double> workingSets[3];
    for (int start = 0; start < options.starts; ++start) {
        for (int turn = 0; turn < 3; ++turn) {
            const int program = (start + turn) % 3;
            const StartSample sample = startOnce(*programs[program]);
            seconds[program].push_back(sample.seconds);
            workingSets[program].push_back(sample.workingSet);
        }
    }
    rounds.startOurs.push_back(median(seconds[0]));
    rounds.startSame.push_back(median(seconds[1]));
    rounds.startEmpty.push_back(median(seconds[2]));
    rounds.memoryOurs.push_back(median(workingSets[0]));
    rounds.memorySame.push_back(median(workingSets[1]));
}

void measurePolling(const Options& options, OutsideWorld& world, Rounds& rounds) {
    rounds.period.push_back(timerPeriod());
    rounds.cpuFourteen.push_back(pollingCpuPerTick(kFourteenCalls, world, options.cpuSeconds));
    const AnnouncingRun run = runAnnouncing(kMarquillAmp, world, options.cpuSeconds, options.announcements);
    rounds.cpuFive.push_back(pollingCpuPerTick(kFiveCalls, world, options.cpuSeconds));
    rounds.cpuOurs.push_back(run.cpuPerTick);
    rounds.p50.push_back(percentile(run.latencies, 0.5));
    rounds.p95.push_back(percentile(run.latencies, 0.95));
    rounds.memoryAfter.push_back(run.workingSetAfter);
}

std::vector<Row> table(const Options& options, const Rounds& r) {
    const std::string announced = "after " + std::to_string(options.announcements) + " announcements";
    const double oursSize = fileSize(kMarquillAmp.exePath);
    const double sameSize = fileSize(kSameControls.exePath);
    // clang-format off
    return {
        {"CPU per tick (own process)",           kMilliseconds, "bare poller, 14 calls", r.cpuOurs, r.cpuFourteen},
        {"CPU per tick (own process)",           kMilliseconds, "bare poller, 5 calls",  r.cpuOurs, r.cpuFive},
        {"title change -> chat window, p50",     kMilliseconds, "timer period",          r.p50, r.period},
        {"title change -> chat window, p95",     kMilliseconds, "timer period",          r.p95, r.period},
        {"start-up to a visible window",         kMilliseconds, "same controls",         r.startOurs, r.startSame},
        {"start-up to a visible window",         kMilliseconds, "empty window",          r.startOurs, r.startEmpty},
        {"working set after start-up",           kMegabytes,    "same controls",         r.memoryOurs, r.memorySame},
        {"working set " + announced,             kMegabytes,    "same controls",         r.memoryAfter, r.memorySame},
        {"working set " + announced,             kMegabytes,    "itself after start-up", r.memoryAfter, r.memoryOurs},
        {"exe size",                             kKilobytes,    "same controls",         {oursSize}, {sameSize}},
    };
    // clang-format on
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: side_by_side [--rounds N] [--starts N] [--announcements N] [--cpu-seconds S]\n");
        return 2;
    }
    try {
        OutsideWorld world;
        Rounds rounds;
        for (int round = 1; round <= options.rounds; ++round) {
            std::fprintf(stderr, "round %d of %d\n", round, options.rounds);
            measureStarts(options, rounds);
            measurePolling(options, world, rounds);
        }
        std::printf("%d rounds; a round: %d starts of each program, %.0f s of polling each, %d announcements\n",
                    options.rounds, options.starts, options.cpuSeconds, options.announcements);
        printTable(table(options, rounds));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "side_by_side: %s\n", error.what());
        return 1;
    }
    return 0;
}
