#include "Gains.h"

#include "Payouts.h"

#include <algorithm>
#include <stdexcept>

namespace plovari {

void AddDie(TurnDice& turn, Slot slot, std::int16_t die) {
    turn.Dice[static_cast<std::size_t>(slot)] = die;
    turn.HighestDie = std::max(turn.HighestDie, die);
    ++turn.FaceCounts[static_cast<std::size_t>(die)];
    turn.DiceSum = static_cast<std::int16_t>(turn.DiceSum + die);
}

Payouts PayoutsFor(std::int16_t playerCount) {
    return {MediumFactor(playerCount), HighPayout(playerCount)};
}

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

} // namespace plovari
