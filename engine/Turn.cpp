#include "Turn.h"

#include "Gains.h"
#include "RandomSource.h"

#include <cmath>
#include <stdexcept>

namespace plovari {

namespace {

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
        AddDie(turn, slot, die);
        steps.DieRolled(slot, die);
    }

    const Payouts payouts = PayoutsFor(count);
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
