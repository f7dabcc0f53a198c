#include <benchmark/benchmark.h>

#include "app/chat_clients.h"
#include "message/compose_message.h"
#include "platform/sim/fake_clock.h"
#include "platform/sim/fake_event_pump.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/windows1252_codec.h"
#include "tests/unit/support/sim_player.h"
#include "winamp/checked_numbers.h"
#include "winamp/title_text.h"
#include "winamp/track_time.h"
#include "winamp/winamp_api.h"

namespace marquill {
namespace {

// A player on the sim desktop: the program's own cost per reading, without the window system's (which
// wine-notes.md puts at 0.3 ms a query under Wine).
struct SimPlayerDesktop {
    sim::Windows1252Codec codec;
    sim::SimDesktop desktop{codec};
    test::SimPlayer player{desktop, L"12. Artist - Song - Winamp"};
    sim::FakeClock clock;
    sim::FakeEventPump events;
    WinampAPI api{desktop, clock, events};
};

// The five members one after the other: 7 lookups, 2 caption reads, 5 queries.
void BM_FiveMembers(benchmark::State& state) {
    SimPlayerDesktop sim;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sim.api.SongTitle());
        benchmark::DoNotOptimize(sim.api.TrackTime());
        benchmark::DoNotOptimize(sim.api.TrackNumber());
        benchmark::DoNotOptimize(sim.api.TrackTimePercent());
        benchmark::DoNotOptimize(sim.api.TracksInPlaylist());
        sim.desktop.clearCalls();
    }
}
BENCHMARK(BM_FiveMembers);

// The polling tick's one reading: 1 lookup, 1 caption read, 3 queries, and the five values from it.
void BM_OneReadingTick(benchmark::State& state) {
    SimPlayerDesktop sim;
    for (auto _ : state) {
        const PlayerReading reading = sim.api.read();
        benchmark::DoNotOptimize(reading.TrackTime());
        benchmark::DoNotOptimize(reading.TrackNumber());
        benchmark::DoNotOptimize(reading.TrackTimePercent());
        benchmark::DoNotOptimize(reading.TracksInPlaylist());
        benchmark::DoNotOptimize(reading.SongTitle());
        sim.desktop.clearCalls();
    }
}
BENCHMARK(BM_OneReadingTick);

void BM_NumberAndTimeRules(benchmark::State& state) {
    std::int32_t position = 65000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trackTimeText(elapsedSeconds(position), 185));
        benchmark::DoNotOptimize(percentPlayed(position, 185));
        position = position % 185000 + 10;
    }
}
BENCHMARK(BM_NumberAndTimeRules);

// Each client's default template with the worked example's values: what one announcement composes.
void BM_ComposeDefaultTemplate(benchmark::State& state) {
    const int client = static_cast<int>(state.range(0));
    const std::wstring templateText = defaultTemplate(client);
    const PlaceholderValues values{L"Artist - Song", L"1:05 / 3:59", L"7", L"27", L"12", L"9:41:07 PM", L"12/15/2006"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(client == 3 ? ComposeIrcMessage(templateText, values)
                                             : ComposeMessage(templateText, values, MessageMarkup::Html));
    }
}
BENCHMARK(BM_ComposeDefaultTemplate)->DenseRange(0, 3);

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
