#include "Turn.h"

#include "Payouts.h"
#include "RandomSource.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace plovari {

namespace {

/// The dice of one turn; room for nine although at most six are rolled. FaceCounts[f] is how
/// many players rolled f, which gives a Medium player's matches without a second loop.
struct TurnDice {
    std::array<std::int16_t, 9> Dice{};
    std::int16_t HighestDie = 0;
    std::int16_t DiceSum = 0;
    std::array<std::int16_t, 7> FaceCounts{};
};

/// The payouts of the turn's player count, looked up once per turn.
struct Payouts {
    double Medium = 0;
    double High = 0;
};

struct Gain {
    double Points = 0;
    MarkerPicture Marker = MarkerPicture::RegularImage;
};

// The dice are random, so the gains are chosen by arithmetic and selects rather than by
// branches on the dice, which a processor cannot predict.
Gain GainOf(Mode mode, Slot slot, const TurnDice& turn, std::int16_t playerCount,
            const Payouts& payouts) {
    const std::int16_t own = turn.Dice[static_cast<std::size_t>(slot)];
    switch (mode) {
    case Mode::Regular:
        return {static_cast<double>(own), MarkerPicture::RegularImage};
    case Mode::Low:
        return {static_cast<double>(turn.DiceSum) / playerCount, MarkerPicture::LowImage};
    case Mode::Medium: {
        // Every other racing player with the same number; the player's own die is not a match.
        const int matches = turn.FaceCounts[static_cast<std::size_t>(own)] - 1;
        return {matches * payouts.Medium,
                matches > 0 ? MarkerPicture::MediumImageGo : MarkerPicture::MediumImageStop};
    }
    case Mode::High: {
        // Every player holding the highest number qualifies, ties included.
        const bool highest = own == turn.HighestDie;
        return {highest ? payouts.High : 0.0,
                highest ? MarkerPicture::HighImageGo : MarkerPicture::HighImageStop};
    }
    }
    throw std::invalid_argument("unknown mode");
}

/// Adapts a fixed list of modes to the turn's steps, showing nothing.
class FixedModes final : public TurnSteps {
public:
    explicit FixedModes(std::span<const Mode> modes)
        : Modes(modes) {}

    void DieRolled(Slot, std::int16_t) override {}
    Mode ModeOf(Slot slot) override { return Modes[static_cast<std::size_t>(slot)]; }
    void GainAboutToBeAdded(Slot, MarkerPicture) override {}

private:
    std::span<const Mode> Modes;
};

/// The turn itself, written once for any kind of steps: a final Steps type lets the compiler
/// drop the virtual calls when nothing is shown.
template <class Steps>
TurnOutcome PlayTurnWith(RaceState& state, Steps& steps, RandomSource& random) {
    const std::int16_t count = state.PlayerCount;
    if (!IsValidPlayerCount(count)) {
        throw std::logic_error("a turn needs 2 to 6 players");
    }

    // From here every slot is below count <= 6, and every die 1..6, so the turn's own arrays
    // are indexed directly; Scores keeps its checked access.
    TurnDice turn;
    for (Slot slot = 0; slot < count; ++slot) {
        const std::int16_t die = DieFromRandom(random.Next());
        turn.Dice[static_cast<std::size_t>(slot)] = die;
        turn.HighestDie = std::max(turn.HighestDie, die);
        ++turn.FaceCounts[static_cast<std::size_t>(die)];
        turn.DiceSum = static_cast<std::int16_t>(turn.DiceSum + die);
        steps.DieRolled(slot, die);
    }

    const Payouts payouts{MediumFactor(count), HighPayout(count)};
    TurnOutcome outcome;
    outcome.PlayerCount = count;
    for (Slot slot = 0; slot < count; ++slot) {
        const Gain gain = GainOf(steps.ModeOf(slot), slot, turn, count, payouts);
        steps.GainAboutToBeAdded(slot, gain.Marker);
        double& score = state.Scores.at(static_cast<std::size_t>(slot));
        score += gain.Points;

        PlayerOutcome& player = outcome.Players[static_cast<std::size_t>(slot)];
        player.Die = turn.Dice[static_cast<std::size_t>(slot)];
        player.Marker = gain.Marker;
        player.Score = score;
    }

    // Every score is final before anyone is tested against the line.
    for (Slot slot = 0; slot < count; ++slot) {
        PlayerOutcome& player = outcome.Players[static_cast<std::size_t>(slot)];
        player.Finished = player.Score >= state.FinishLine;
        outcome.RaceOver = outcome.RaceOver || player.Finished;
    }
    return outcome;
}

} // namespace

TurnOutcome PlayTurn(RaceState& state, TurnSteps& steps, RandomSource& random) {
    return PlayTurnWith(state, steps, random);
}

TurnOutcome PlayTurn(RaceState& state, std::span<const Mode> modes, RandomSource& random) {
    if (modes.size() < static_cast<std::size_t>(state.PlayerCount)) {
        throw std::invalid_argument("every racing player needs a mode");
    }
    FixedModes steps(modes);
    return PlayTurnWith(state, steps, random);
}

std::string ScoreText(double score) {
    std::string text(1, ' ');
    text += std::to_string(static_cast<long long>(std::floor(score)));
    return text;
}

} // namespace plovari
