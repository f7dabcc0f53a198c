#include "tests/bench/side_by_side/measurements.h"

#include <psapi.h>

#include <stdexcept>

#include "app/main_window_description.h"
#include "peers/app_process.h"
#include "peers/remote_control.h"
#include "peers/stopwatch.h"
#include "tests/bench/side_by_side/figures.h"
#include "winamp/winamp_protocol.h"

namespace marquill::bench {
namespace {

// Long enough for the program to finish what its start or a click set off.
constexpr DWORD kSettleMs = 300;
constexpr DWORD kArrivalTimeoutMs = 5000;
constexpr std::size_t kTimerTicks = 101;

void started(peers::AppProcess& app, const Program& program) {
    if (!app.start()) {
        throw std::runtime_error("no window from " + program.exePath + " " + program.arguments);
    }
    Sleep(kSettleMs);
}

double workingSet(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, &counters, sizeof(counters))) {
        throw std::runtime_error("no memory counters");
    }
    return static_cast<double>(counters.WorkingSetSize);
}

double cpuSeconds(HANDLE process) {
    FILETIME created;
    FILETIME exited;
    FILETIME kernel;
    FILETIME user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        throw std::runtime_error("no process times");
    }
    const auto hundredsOfNs = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (hundredsOfNs(kernel) + hundredsOfNs(user)) / 1e7;
}

double cpuPerTick(HANDLE process, const peers::FakePlayer& player, double seconds) {
    const double cpuBefore = cpuSeconds(process);
    const int ticksBefore = player.queryCount(winamp::kQueryPlaylistLength);
    Sleep(static_cast<DWORD>(seconds * 1000));
    const int ticks = player.queryCount(winamp::kQueryPlaylistLength) - ticksBefore;
    if (ticks <= 0) {
        throw std::runtime_error("the program did not poll the player");
    }
    return (cpuSeconds(process) - cpuBefore) / ticks;
}

}  // namespace

StartSample startOnce(const Program& program) {
    Sleep(kSettleMs);  // the last program's end, too, has settled
    peers::AppProcess app(program.exePath, program.arguments);
    started(app, program);
    return {app.secondsToWindow(), workingSet(app.process())};
}

double pollingCpuPerTick(const Program& program, OutsideWorld& world, double seconds) {
    peers::AppProcess app(program.exePath, program.arguments);
    started(app, program);
    return cpuPerTick(app.process(), world.player(), seconds);
}

AnnouncingRun runAnnouncing(const Program& marquillAmp, OutsideWorld& world, double cpuSeconds, int announcements) {
    peers::AppProcess app(marquillAmp.exePath, marquillAmp.arguments);
    started(app, marquillAmp);
    AnnouncingRun run;
    run.workingSetAfterStart = workingSet(app.process());

    const HWND enable = peers::childWindow(app.mainWindow(), "Button", "Enable Marquill Amp", 1);
    if (!peers::click(enable) || world.arrivalOf(world.currentSong(), kArrivalTimeoutMs) < 0) {
        throw std::runtime_error("switching announcing on announced nothing");
    }
    Sleep(kSettleMs);
    run.cpuPerTick = cpuPerTick(app.process(), world.player(), cpuSeconds);

    for (int i = 0; i < announcements; ++i) {
        const int song = world.playNextSong();
        const double changed = world.now();
        const double arrived = world.arrivalOf(song, kArrivalTimeoutMs);
        if (arrived < 0) {
            throw std::runtime_error("song " + std::to_string(song) + " was not announced");
        }
        run.latencies.push_back(arrived - changed);
    }
    Sleep(kSettleMs);
    run.workingSetAfter = workingSet(app.process());
    return run;
}

double timerPeriod() {
    const UINT_PTR timer = SetTimer(nullptr, 0, mainwindow::kTimerIntervalMs, nullptr);
    const peers::Stopwatch clock;
    std::vector<double> ticks;
    MSG message;
    while (ticks.size() < kTimerTicks && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == timer) {
            ticks.push_back(clock.seconds());
        } else {
            DispatchMessageA(&message);
        }
    }
    KillTimer(nullptr, timer);
    std::vector<double> periods;
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        periods.push_back(ticks[i] - ticks[i - 1]);
    }
    return median(periods);
}

}  // namespace marquill::bench
