#pragma once

#include "Modes.h"
#include "RaceState.h"

#include <array>
#include <cstdint>

namespace plovari {

/// The dice of one turn, as the turn builds them roll by roll; room for nine although at most
/// six are rolled. FaceCounts[f] is how many players rolled f, which gives a Medium player's
/// matches without a second loop. Start from a default TurnDice and AddDie every racing slot's
/// die in slot order.
struct TurnDice {
    std::array<std::int16_t, 9> Dice{};
    std::int16_t HighestDie = 0;
    std::int16_t DiceSum = 0;
    std::array<std::int16_t, 7> FaceCounts{};
};

/// Records `die` (1..6) as the die of the next slot, `slot`.
void AddDie(TurnDice& turn, Slot slot, std::int16_t die);

/// The payouts of one player count, looked up once per turn.
struct Payouts {
    double Medium = 0;
    double High = 0;
};

/// Medium and High payouts for playerCount 2..6.
Payouts PayoutsFor(std::int16_t playerCount);

/// What a player gains in a turn and the picture the marker shows for it.
struct Gain {
    double Points = 0;
    MarkerPicture Marker = MarkerPicture::RegularImage;
};

/// The gain of the player in `slot` playing `mode`, from the whole turn's dice. Depends on
/// nothing else: not on scores, other players' modes or the order of counting.
Gain GainOf(Mode mode, Slot slot, const TurnDice& turn, std::int16_t playerCount,
            const Payouts& payouts);

} // namespace plovari
