// The odds the help shows, held to what the rules say in closed form.
#include "Odds.h"

#include "Payouts.h"

#include <cmath>
#include <gtest/gtest.h>
#include <thread>

namespace plovari::odds {
namespace {

class OddsOfPlayers : public testing::TestWithParam<std::int16_t> {};

TEST_P(OddsOfPlayers, OneTurnMatchesTheClosedForms) {
    const std::int16_t players = GetParam();
    // Nobody else rolls the Medium player's number: each of the others misses it with 5/6.
    EXPECT_NEAR(ExactTurnOdds(players, Mode::Medium).NothingChance, std::pow(5.0 / 6, players - 1),
                1e-12);
    // Holding the highest die, ties included: own die k, every other die at most k.
    double highest = 0;
    for (int k = 1; k <= 6; ++k) {
        highest += std::pow(k / 6.0, players - 1) / 6;
    }
    const TurnOdds high = ExactTurnOdds(players, Mode::High);
    EXPECT_NEAR(1 - high.NothingChance, highest, 1e-12);
    EXPECT_NEAR(high.Mean, HighPayout(players) * highest, 1e-12);
    // Each other player matches with 1/6 and pays MediumFactor; Low and Regular average a die.
    EXPECT_NEAR(ExactTurnOdds(players, Mode::Medium).Mean,
                (players - 1) / 6.0 * MediumFactor(players), 1e-12);
    EXPECT_NEAR(ExactTurnOdds(players, Mode::Low).Mean, 3.5, 1e-12);
    EXPECT_NEAR(ExactTurnOdds(players, Mode::Regular).Mean, 3.5, 1e-12);
}

// Players who all play Regular from a level start are alike, so each is ahead in 1/n of the
// races. The help's own races are checked: 15 cells, each within its interval widened to
// hold all 15 at once with 95 % (Bonferroni, z = 2.94 instead of 1.96).
TEST_P(OddsOfPlayers, EqualRegularPlayersAreEachAheadInTheirShare) {
    const std::int16_t players = GetParam();
    const RaceOdds races =
        SimulateRaces(players, HelpRaces, HelpSeed, std::thread::hardware_concurrency());
    const auto regular = static_cast<std::size_t>(Mode::Regular);
    for (std::size_t line = 0; line < FinishLines.size(); ++line) {
        const Estimate& ahead = races.Ahead[0][line][regular];
        EXPECT_NEAR(ahead.Chance, 1.0 / players, ahead.HalfWidth * 2.94 / 1.96)
            << "finish line " << FinishLines[line];
    }
}

INSTANTIATE_TEST_SUITE_P(TwoToSix, OddsOfPlayers, testing::Range<std::int16_t>(2, 7));

} // namespace
} // namespace plovari::odds
