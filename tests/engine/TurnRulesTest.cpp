// The rules of a turn: dice, gains by mode, the finish test.
#include "FakeBoard.h"
#include "Payouts.h"
#include "RandomSource.h"
#include "Turn.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <vector>

namespace plovari {
namespace {

using fakes::ScriptedDice;

RaceState Race(std::int16_t players, double finishLine = 200) {
    RaceState state;
    state.PlayerCount = players;
    state.FinishLine = finishLine;
    return state;
}

/// Plays one turn with the given dice and modes and returns each racing player's gain.
std::vector<double> Gains(const std::vector<std::int16_t>& dice, const std::vector<Mode>& modes) {
    RaceState state = Race(static_cast<std::int16_t>(dice.size()));
    ScriptedDice random(dice);
    PlayTurn(state, modes, random);
    return {state.Scores.begin(), state.Scores.begin() + state.PlayerCount};
}

TEST(Dice, LowestNumberRollsOneAndLargestFloatBelowOneRollsSix) {
    EXPECT_EQ(DieFromRandom(0.0f), 1);
    EXPECT_EQ(DieFromRandom(std::nextafter(1.0f, 0.0f)), 6);
}

TEST(Dice, EverySixthOfTheRangeIsOneFace) {
    for (int face = 1; face <= 6; ++face) {
        const float start = static_cast<float>(face - 1) / 6.0f;
        EXPECT_EQ(DieFromRandom(std::nextafter(start, 1.0f)), face);
        EXPECT_EQ(DieFromRandom(ScriptedDice::NumberFor(static_cast<std::int16_t>(face))), face);
    }
}

TEST(Dice, ClockSourceStaysBelowOneAndCoversEveryFace) {
    ClockRandomSource random;
    random.SeedFromClock();
    std::array<int, 7> counts{};
    for (int draw = 0; draw < 60000; ++draw) {
        const float r = random.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++counts.at(static_cast<std::size_t>(DieFromRandom(r)));
    }
    EXPECT_EQ(counts[0], 0);
    for (int face = 1; face <= 6; ++face) {
        EXPECT_NEAR(counts.at(static_cast<std::size_t>(face)), 10000, 600) << "face " << face;
    }
}

TEST(Payouts, TablesByPlayerCount) {
    EXPECT_DOUBLE_EQ(MediumFactor(2), 21);
    EXPECT_DOUBLE_EQ(MediumFactor(3), 10.5);
    EXPECT_DOUBLE_EQ(MediumFactor(4), 7);
    EXPECT_DOUBLE_EQ(MediumFactor(5), 5.25);
    EXPECT_DOUBLE_EQ(MediumFactor(6), 4.2);
    // The High payouts are the decimals exactly as written, not rounded.
    EXPECT_EQ(HighPayout(2), 6);
    EXPECT_EQ(HighPayout(3), 8.385);
    EXPECT_EQ(HighPayout(4), 10.239);
    EXPECT_EQ(HighPayout(5), 11.96);
    EXPECT_EQ(HighPayout(6), 13.38);
    EXPECT_THROW(HighPayout(1), std::out_of_range);
    EXPECT_THROW(MediumFactor(7), std::out_of_range);
}

TEST(Gains, TwoPlayersRollingFourAndFour) {
    EXPECT_EQ(Gains({4, 4}, {Mode::Regular, Mode::Low}), (std::vector<double>{4, 4}));
    EXPECT_EQ(Gains({4, 4}, {Mode::Medium, Mode::High}), (std::vector<double>{21, 6}));
}

TEST(Gains, ThreePlayersRollingTwoFiveFive) {
    EXPECT_EQ(Gains({2, 5, 5}, {Mode::Low, Mode::Regular, Mode::Regular})[0], 4);
    EXPECT_EQ(Gains({2, 5, 5}, {Mode::Medium, Mode::Medium, Mode::Regular}),
              (std::vector<double>{0, 10.5, 5}));
    EXPECT_EQ(Gains({2, 5, 5}, {Mode::High, Mode::High, Mode::High}),
              (std::vector<double>{0, 8.385, 8.385}));
}

TEST(Gains, SixPlayersAllRollingThree) {
    const std::vector<std::int16_t> threes(6, 3);
    for (double gain : Gains(threes, std::vector<Mode>(6, Mode::Medium))) {
        EXPECT_DOUBLE_EQ(gain, 21);
    }
    for (double gain : Gains(threes, std::vector<Mode>(6, Mode::High))) {
        EXPECT_EQ(gain, 13.38);
    }
}

TEST(Gains, LowKeepsTheFractionAndTheScoreTextDropsIt) {
    RaceState state = Race(3);
    ScriptedDice random({1, 2, 2});
    const std::vector<Mode> modes{Mode::Low, Mode::Regular, Mode::Regular};
    const TurnOutcome outcome = PlayTurn(state, modes, random);
    EXPECT_DOUBLE_EQ(state.Scores[0], 5.0 / 3.0);
    EXPECT_EQ(outcome.Players[0].Score, state.Scores[0]);
    EXPECT_EQ(ScoreText(state.Scores[0]), " 1");
}

TEST(Gains, MarkersTellGoFromStop) {
    RaceState state = Race(3);
    ScriptedDice random({2, 5, 5});
    const std::vector<Mode> modes{Mode::Medium, Mode::Medium, Mode::High};
    TurnOutcome outcome = PlayTurn(state, modes, random);
    EXPECT_EQ(outcome.Players[0].Marker, MarkerPicture::MediumImageStop);
    EXPECT_EQ(outcome.Players[1].Marker, MarkerPicture::MediumImageGo);
    EXPECT_EQ(outcome.Players[2].Marker, MarkerPicture::HighImageGo);

    random.Script({6, 5, 5});
    const std::vector<Mode> others{Mode::Low, Mode::Regular, Mode::High};
    outcome = PlayTurn(state, others, random);
    EXPECT_EQ(outcome.Players[0].Marker, MarkerPicture::LowImage);
    EXPECT_EQ(outcome.Players[1].Marker, MarkerPicture::RegularImage);
    EXPECT_EQ(outcome.Players[2].Marker, MarkerPicture::HighImageStop);
    EXPECT_EQ(outcome.Players[0].Die, 6);
}

TEST(Gains, ScoresAccumulateAndNeverFall) {
    RaceState state = Race(2);
    state.Scores[0] = 10;
    state.Scores[1] = 20;
    ScriptedDice random({1, 6});
    const std::vector<Mode> modes{Mode::High, Mode::Medium};
    PlayTurn(state, modes, random);
    EXPECT_EQ(state.Scores[0], 10);
    EXPECT_EQ(state.Scores[1], 20);
}

TEST(Turn, DrawsExactlyOneNumberPerRacingPlayer) {
    for (std::int16_t players = 2; players <= 6; ++players) {
        RaceState state = Race(players);
        ScriptedDice random({1, 2, 3, 4, 5, 6, 1, 2});
        const TurnOutcome outcome = PlayTurn(state, std::vector<Mode>(6, Mode::Regular), random);
        EXPECT_EQ(random.Position, static_cast<std::size_t>(players));
        EXPECT_EQ(outcome.PlayerCount, players);
    }
}

TEST(Turn, SlotsOutOfTheRaceKeepTheirScores) {
    RaceState state = Race(2);
    state.Scores[2] = 77.5;
    state.Scores[5] = 3;
    ScriptedDice random({6, 6, 6, 6, 6, 6});
    PlayTurn(state, std::vector<Mode>(6, Mode::Regular), random);
    EXPECT_EQ(state.Scores[2], 77.5);
    EXPECT_EQ(state.Scores[5], 3);
    EXPECT_EQ(state.Scores[0], 6);
}

TEST(Turn, RefusesAPlayerCountOutsideTwoToSix) {
    RaceState state = Race(7);
    ScriptedDice random;
    EXPECT_THROW(PlayTurn(state, std::vector<Mode>(7, Mode::Regular), random), std::logic_error);
    state.PlayerCount = 1;
    EXPECT_THROW(PlayTurn(state, std::vector<Mode>(1, Mode::Regular), random), std::logic_error);
}

TEST(Finish, AScoreExactlyOnTheLineHasFinished) {
    RaceState state = Race(2);
    state.Scores[0] = 196;
    state.Scores[1] = 195;
    ScriptedDice random({4, 4});
    const TurnOutcome outcome = PlayTurn(state, std::vector<Mode>(2, Mode::Regular), random);
    EXPECT_TRUE(outcome.Players[0].Finished);
    EXPECT_FALSE(outcome.Players[1].Finished);
    EXPECT_TRUE(outcome.RaceOver);
}

TEST(Finish, AFractionShortOfTheLineHasNotFinished) {
    RaceState state = Race(3);
    state.Scores[0] = 198.5; // 198.5 + 5/3 = 200.1666 finishes; 198 + 5/3 does not.
    state.Scores[1] = 198;
    ScriptedDice random({1, 2, 2});
    const TurnOutcome outcome =
        PlayTurn(state, std::vector<Mode>{Mode::Low, Mode::Low, Mode::Regular}, random);
    EXPECT_TRUE(outcome.Players[0].Finished);
    EXPECT_FALSE(outcome.Players[1].Finished);
}

TEST(Finish, EveryPlayerOverTheLineFinishesAlike) {
    RaceState state = Race(3);
    state.Scores = {199, 197, 150};
    ScriptedDice random({3, 6, 6});
    const TurnOutcome outcome = PlayTurn(state, std::vector<Mode>(3, Mode::Regular), random);
    EXPECT_TRUE(outcome.Players[0].Finished);
    EXPECT_TRUE(outcome.Players[1].Finished);
    EXPECT_FALSE(outcome.Players[2].Finished);
    EXPECT_TRUE(outcome.RaceOver);
}

TEST(Finish, TheLineInForceAtTheTurnIsTheOneTested) {
    RaceState state = Race(2, 1000);
    state.Scores[0] = 300;
    ScriptedDice random({1, 1});
    EXPECT_FALSE(PlayTurn(state, std::vector<Mode>(2, Mode::Regular), random).RaceOver);
    state.FinishLine = 200;
    random.Script({1, 1});
    const TurnOutcome outcome = PlayTurn(state, std::vector<Mode>(2, Mode::Regular), random);
    EXPECT_TRUE(outcome.Players[0].Finished);
    EXPECT_EQ(state.Scores[0], 302);
}

TEST(Finish, AFinishedPlayerKeepsScoringIfPlayedOn) {
    RaceState state = Race(2);
    state.Scores[0] = 250;
    ScriptedDice random({2, 1});
    const TurnOutcome outcome = PlayTurn(state, std::vector<Mode>(2, Mode::Regular), random);
    EXPECT_EQ(state.Scores[0], 252);
    EXPECT_TRUE(outcome.Players[0].Finished);
}

TEST(ScoreTextFormat, BlankFollowedByTheIntegerPart) {
    EXPECT_EQ(ScoreText(12.6), " 12");
    EXPECT_EQ(ScoreText(3.5), " 3");
    EXPECT_EQ(ScoreText(0), " 0");
    EXPECT_EQ(ScoreText(1002.999), " 1002");
}

// The payouts are tuned so that every mode gains 3.5 per turn on average. Enumerating every
// combination of dice proves it exactly, and with it the whole scoring of every mode.
struct ExpectedMeans {
    std::int16_t Players;
    double High;

    friend void PrintTo(const ExpectedMeans& means, std::ostream* out) {
        *out << means.Players << " players, High " << means.High;
    }
};

class ModeMeans : public ::testing::TestWithParam<ExpectedMeans> {};

TEST_P(ModeMeans, EveryModeGainsItsExactMeanOverAllDice) {
    const std::int16_t players = GetParam().Players;
    std::size_t combinations = 1;
    for (int i = 0; i < players; ++i) {
        combinations *= 6;
    }
    for (Mode mode : AllModes) {
        const std::vector<Mode> modes(static_cast<std::size_t>(players), mode);
        std::vector<double> totals(static_cast<std::size_t>(players), 0);
        std::vector<std::int16_t> dice(static_cast<std::size_t>(players));
        for (std::size_t combination = 0; combination < combinations; ++combination) {
            std::size_t rest = combination;
            for (auto& die : dice) {
                die = static_cast<std::int16_t>(rest % 6 + 1);
                rest /= 6;
            }
            RaceState state = Race(players);
            ScriptedDice random(dice);
            PlayTurn(state, modes, random);
            for (std::size_t slot = 0; slot < totals.size(); ++slot) {
                totals[slot] += state.Scores[slot];
            }
        }
        const double expected = mode == Mode::High ? GetParam().High : 3.5;
        for (double total : totals) {
            EXPECT_NEAR(total / static_cast<double>(combinations), expected, 1e-9)
                << players << " players, mode " << fakes::FakeBoard::Name(mode);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TwoToSixPlayers, ModeMeans,
                         ::testing::Values(ExpectedMeans{2, 3.5},
                                           ExpectedMeans{3, 91.0 / 216 * 8.385},
                                           ExpectedMeans{4, 49.0 / 144 * 10.239},
                                           ExpectedMeans{5, 2275.0 / 7776 * 11.96},
                                           ExpectedMeans{6, 4067.0 / 15552 * 13.38}),
                         [](const auto& info) {
                             return std::to_string(info.param.Players) + "Players";
                         });

} // namespace
} // namespace plovari
