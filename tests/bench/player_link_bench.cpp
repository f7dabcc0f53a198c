#include <benchmark/benchmark.h>

#include "platform/sim/fake_clock.h"
#include "platform/sim/fake_event_pump.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/windows1252_codec.h"
#include "winamp/title_text.h"
#include "winamp/winamp_api.h"

namespace marquill {
namespace {

// What one polling tick reads, against an in-memory player: the program's own cost per tick, without the
// window system's (which wine-notes.md puts at about 1.7 ms under Wine).
void BM_PollingTickReads(benchmark::State& state) {
    sim::Windows1252Codec codec;
    sim::SimDesktop desktop(codec);
    const WindowHandle player = desktop.createWindow("Winamp v1.x", L"12. Artist - Song - Winamp");
    desktop.setHandler(player, [](const sim::SimMessage& message) {
        return message.lParam == 105 ? (message.wParam == 1 ? 185 : 65000) : 12;
    });
    sim::FakeClock clock;
    sim::FakeEventPump events;
    WinampAPI api(desktop, clock, events);
    for (auto _ : state) {
        benchmark::DoNotOptimize(api.SongTitle());
        benchmark::DoNotOptimize(api.TrackTime());
        benchmark::DoNotOptimize(api.TrackNumber());
        benchmark::DoNotOptimize(api.TrackTimePercent());
        benchmark::DoNotOptimize(api.TracksInPlaylist());
        desktop.clearCalls();
    }
}
BENCHMARK(BM_PollingTickReads);

void BM_TitleRulesOnTheLongestTitle(benchmark::State& state) {
    const std::wstring title = L"12. " + std::wstring(1000, L'x') + L" - Winamp";
    for (auto _ : state) {
        benchmark::DoNotOptimize(songTitleFrom(withoutBackspaces(title)));
        benchmark::DoNotOptimize(trackNumberFrom(title));
    }
}
BENCHMARK(BM_TitleRulesOnTheLongestTitle);

}  // namespace
}  // namespace marquill

BENCHMARK_MAIN();
