#pragma once

#include "Modes.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <vector>

namespace plovari::odds {

/// One possible gain of a turn and how likely it is.
struct GainChance {
    double Points = 0;
    double Chance = 0;
};

/// What one turn brings a player in one mode, exactly, over every way the dice can fall.
struct TurnOdds {
    std::vector<GainChance> Gains; ///< every possible gain once, ascending
    double NothingChance = 0;      ///< the chance that the gain is 0
    double Mean = 0;
    double StandardDeviation = 0;
};

/// Plays every combination of the dice of a turn of `players` (2..6) through the turn's own
/// rules (at most 6^6 = 46 656) and counts what the player in slot 0 gains in `mode`. By the
/// rules' symmetry every slot has the same odds.
TurnOdds ExactTurnOdds(std::int16_t players, Mode mode);

/// The finish lines a race can have, in the order the results list them.
inline constexpr std::array<double, 3> FinishLines{200, 500, 1000};
/// How the race starts for the player whose chances are counted: level with the others, or
/// with everybody else already a tenth of the finish line ahead.
enum class Start : std::uint8_t { Level, Behind };
inline constexpr std::array<Start, 2> Starts{Start::Level, Start::Behind};
inline constexpr double BehindFraction = 0.1;

/// A simulated chance with its 95 % confidence interval, Chance ± HalfWidth.
struct Estimate {
    double Chance = 0;
    double HalfWidth = 0;
};

/// The chance that one player, in each mode, is ahead when the race ends while every other
/// player plays Regular: [start][finish line][mode].
struct RaceOdds {
    std::int64_t Races = 0;
    std::array<std::array<std::array<Estimate, std::size(AllModes)>, FinishLines.size()>,
               Starts.size()>
        Ahead{};
};

/// The races per cell and the seed that the help's figures are played with.
inline constexpr std::int64_t HelpRaces = 100000;
inline constexpr std::uint64_t HelpSeed = 20240611;

/// Plays `races` races of `players` (2..6) from `seed`, the same numbers for the same
/// arguments on every machine and with any number of `threads`. Each race is one sequence of
/// turns through the turn's own rules, scored for all four modes of the counted player (slot 0)
/// and every finish line and start at once; each of these ends at the first turn in which a
/// score reaches its line. Ahead means holding the highest whole score, as the score boxes show
/// it; k players sharing it each count 1/k of a race.
RaceOdds SimulateRaces(std::int16_t players, std::int64_t races, std::uint64_t seed,
                       unsigned threads);

} // namespace plovari::odds
