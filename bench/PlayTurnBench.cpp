// Turns per second of the rules, with the game's own random source and a mix of modes.
#include "Modes.h"
#include "RandomSource.h"
#include "Turn.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

void PlayTurns(benchmark::State& bench) {
    const auto players = static_cast<std::int16_t>(bench.range(0));
    plovari::ClockRandomSource random(12345);
    const std::array<plovari::Mode, 6> modes{plovari::Mode::Low,    plovari::Mode::Regular,
                                             plovari::Mode::Medium, plovari::Mode::High,
                                             plovari::Mode::Medium, plovari::Mode::High};
    plovari::RaceState state;
    state.PlayerCount = players;
    state.FinishLine = 1000;
    for (auto _ : bench) {
        plovari::TurnOutcome outcome = plovari::PlayTurn(state, modes, random);
        benchmark::DoNotOptimize(outcome);
        if (outcome.RaceOver) {
            state.Scores = {};
        }
    }
    bench.SetItemsProcessed(bench.iterations());
    bench.SetLabel("items = turns");
}

BENCHMARK(PlayTurns)->Arg(2)->Arg(6);

} // namespace

BENCHMARK_MAIN();
