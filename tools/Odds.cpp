#include "Odds.h"

#include "Gains.h"
#include "RandomSource.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <stdexcept>
#include <thread>

namespace plovari::odds {

TurnOdds ExactTurnOdds(std::int16_t players, Mode mode) {
    RequirePlayerCount(players);
    const Payouts payouts = PayoutsFor(players);
    // Every combination of dice, counted in base 6: digit i is slot i's die minus one.
    int combinations = 1;
    for (int i = 0; i < players; ++i) {
        combinations *= 6;
    }
    std::map<double, std::int64_t> counts;
    for (int code = 0; code < combinations; ++code) {
        TurnDice turn;
        int rest = code;
        for (Slot slot = 0; slot < players; ++slot) {
            AddDie(turn, slot, static_cast<std::int16_t>(rest % 6 + 1));
            rest /= 6;
        }
        ++counts[GainOf(mode, 0, turn, players, payouts).Points];
    }

    TurnOdds odds;
    double squares = 0;
    for (const auto& [points, count] : counts) {
        const double chance = static_cast<double>(count) / combinations;
        odds.Gains.push_back({points, chance});
        odds.Mean += points * chance;
        squares += points * points * chance;
    }
    odds.NothingChance = counts.contains(0.0) ? odds.Gains.front().Chance : 0.0;
    odds.StandardDeviation = std::sqrt(std::max(0.0, squares - odds.Mean * odds.Mean));
    return odds;
}

namespace {

// A shared first place of k players (1..6) is worth 60/k units, always a whole number, so the
// sums are exact integers and the same whatever order the chunks are added in.
constexpr std::int64_t Whole = 60;
constexpr std::int64_t ChunkRaces = 5000;

constexpr std::size_t Cells = Starts.size() * FinishLines.size() * std::size(AllModes);

struct Tally {
    std::array<std::int64_t, Cells> Units{};
    std::array<std::int64_t, Cells> SquaredUnits{};
};

constexpr std::size_t CellOf(std::size_t start, std::size_t line, std::size_t mode) {
    return (start * FinishLines.size() + line) * std::size(AllModes) + mode;
}

/// SplitMix64's finaliser: turns neighbouring numbers into unrelated seeds. Seeds a fixed
/// distance apart would start the generator on states whose sequences are correlated.
constexpr std::uint64_t Mixed(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27U)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31U);
}

/// Plays `races` races from one seed, adding their outcomes to `tally`.
void PlayChunk(std::int16_t players, std::int64_t races, std::uint64_t seed, Tally& tally) {
    ClockRandomSource random(seed);
    const Payouts payouts = PayoutsFor(players);
    for (std::int64_t race = 0; race < races; ++race) {
        std::array<double, std::size(AllModes)> counted{}; // slot 0, one score per mode
        std::array<double, MaxPlayers> others{};           // slots 1.., Regular, from level
        std::array<bool, Cells> over{};
        std::size_t open = Cells;
        while (open > 0) {
            TurnDice turn;
            for (Slot slot = 0; slot < players; ++slot) {
                AddDie(turn, slot, DieFromRandom(random.Next()));
            }
            for (std::size_t mode = 0; mode < counted.size(); ++mode) {
                counted[mode] += GainOf(AllModes[mode], 0, turn, players, payouts).Points;
            }
            double leader = 0;
            for (Slot slot = 1; slot < players; ++slot) {
                double& score = others[static_cast<std::size_t>(slot)];
                score += GainOf(Mode::Regular, slot, turn, players, payouts).Points;
                leader = std::max(leader, score);
            }
            const double mostCounted = *std::max_element(counted.begin(), counted.end());
            for (std::size_t line = 0; line < FinishLines.size(); ++line) {
                const double finish = FinishLines[line];
                // Most turns end no race at all: one test for the whole line spares the rest.
                if (std::max(leader + finish * BehindFraction, mostCounted) < finish) {
                    continue;
                }
                for (std::size_t start = 0; start < Starts.size(); ++start) {
                    const double lead =
                        Starts[start] == Start::Behind ? finish * BehindFraction : 0;
                    for (std::size_t mode = 0; mode < counted.size(); ++mode) {
                        const std::size_t cell = CellOf(start, line, mode);
                        if (over[cell] || std::max(leader + lead, counted[mode]) < finish) {
                            continue;
                        }
                        over[cell] = true;
                        --open;
                        // The whole points the score boxes show decide who is ahead.
                        const double own = std::floor(counted[mode]);
                        double top = own;
                        for (Slot slot = 1; slot < players; ++slot) {
                            top = std::max(
                                top, std::floor(others[static_cast<std::size_t>(slot)] + lead));
                        }
                        if (own < top) {
                            continue;
                        }
                        std::int64_t sharing = 1;
                        for (Slot slot = 1; slot < players; ++slot) {
                            sharing +=
                                std::floor(others[static_cast<std::size_t>(slot)] + lead) == top;
                        }
                        tally.Units[cell] += Whole / sharing;
                        tally.SquaredUnits[cell] += (Whole / sharing) * (Whole / sharing);
                    }
                }
            }
        }
    }
}

} // namespace

RaceOdds SimulateRaces(std::int16_t players, std::int64_t races, std::uint64_t seed,
                       unsigned threads) {
    RequirePlayerCount(players);
    if (races <= 1) {
        throw std::invalid_argument("an estimate needs at least two races");
    }
    // Fixed chunks with seeds of their own: the numbers do not depend on the threads.
    const std::int64_t chunks = (races + ChunkRaces - 1) / ChunkRaces;
    std::vector<Tally> tallies(static_cast<std::size_t>(chunks));
    std::atomic<std::int64_t> next{0};
    auto work = [&] {
        for (std::int64_t chunk = next++; chunk < chunks; chunk = next++) {
            const std::int64_t count = std::min(ChunkRaces, races - chunk * ChunkRaces);
            const auto key =
                (static_cast<std::uint64_t>(players) << 32U) + static_cast<std::uint64_t>(chunk);
            PlayChunk(players, count, Mixed(seed ^ Mixed(key)),
                      tallies[static_cast<std::size_t>(chunk)]);
        }
    };
    std::vector<std::jthread> workers;
    for (unsigned t = 1; t < std::max(threads, 1U); ++t) {
        workers.emplace_back(work);
    }
    work();
    workers.clear();

    RaceOdds odds;
    odds.Races = races;
    const double n = static_cast<double>(races);
    for (std::size_t start = 0; start < Starts.size(); ++start) {
        for (std::size_t line = 0; line < FinishLines.size(); ++line) {
            for (std::size_t mode = 0; mode < std::size(AllModes); ++mode) {
                const std::size_t cell = CellOf(start, line, mode);
                std::int64_t units = 0;
                std::int64_t squares = 0;
                for (const Tally& tally : tallies) {
                    units += tally.Units[cell];
                    squares += tally.SquaredUnits[cell];
                }
                const double mean = static_cast<double>(units) / Whole / n;
                const double meanSquare = static_cast<double>(squares) / (Whole * Whole) / n;
                const double variance = std::max(0.0, meanSquare - mean * mean) * n / (n - 1);
                odds.Ahead[start][line][mode] = {mean, 1.959964 * std::sqrt(variance / n)};
            }
        }
    }
    return odds;
}

} // namespace plovari::odds
