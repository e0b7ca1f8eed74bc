// plovari-odds FILE [RACES]: works out the odds of the game from its own turn rules and writes
// them to FILE, one fact a line, for the help's tables and charts (plovari-help-figures):
//
//   payout PLAYERS MEDIUM HIGH
//   turn PLAYERS MODE NOTHING MEAN DEVIATION        exact, over every way the dice fall
//   gain PLAYERS MODE POINTS CHANCE                 exact, every possible gain of a turn
//   races RACES BEHIND                              races per cell, the head start's fraction
//   ahead PLAYERS LINE START MODE CHANCE HALFWIDTH  simulated, with the 95 % interval
//
// The races are played from a fixed seed, so every build writes the same numbers.
#include "Gains.h"
#include "Odds.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

using namespace plovari;

namespace {

std::string_view StartName(odds::Start start) {
    return start == odds::Start::Level ? "level" : "behind";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: plovari-odds FILE [RACES]\n", stderr);
        return 2;
    }
    std::int64_t races = odds::HelpRaces;
    if (argc == 3) {
        const std::string_view text(argv[2]);
        if (std::from_chars(text.data(), text.data() + text.size(), races).ec != std::errc{} ||
            races < 2) {
            std::fputs("plovari-odds: RACES must be a whole number of at least 2\n", stderr);
            return 2;
        }
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const unsigned threads = std::max(1U, std::thread::hardware_concurrency());
    std::fprintf(out, "races %lld %.17g\n", static_cast<long long>(races), odds::BehindFraction);
    for (std::int16_t players = MinPlayers; players <= MaxPlayers; ++players) {
        const Payouts payouts = PayoutsFor(players);
        std::fprintf(out, "payout %d %.17g %.17g\n", players, payouts.Medium, payouts.High);
        for (const Mode mode : AllModes) {
            const odds::TurnOdds turn = odds::ExactTurnOdds(players, mode);
            const std::string name(NameOf(mode));
            std::fprintf(out, "turn %d %s %.17g %.17g %.17g\n", players, name.c_str(),
                         turn.NothingChance, turn.Mean, turn.StandardDeviation);
            for (const odds::GainChance& gain : turn.Gains) {
                std::fprintf(out, "gain %d %s %.17g %.17g\n", players, name.c_str(), gain.Points,
                             gain.Chance);
            }
        }
        const odds::RaceOdds race = odds::SimulateRaces(players, races, odds::HelpSeed, threads);
        for (std::size_t start = 0; start < odds::Starts.size(); ++start) {
            for (std::size_t line = 0; line < odds::FinishLines.size(); ++line) {
                for (std::size_t mode = 0; mode < std::size(AllModes); ++mode) {
                    const odds::Estimate& ahead = race.Ahead[start][line][mode];
                    std::fprintf(
                        out, "ahead %d %g %s %s %.17g %.17g\n", players, odds::FinishLines[line],
                        std::string(StartName(odds::Starts[start])).c_str(),
                        std::string(NameOf(AllModes[mode])).c_str(), ahead.Chance, ahead.HalfWidth);
                }
            }
        }
    }
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return EXIT_SUCCESS;
}
