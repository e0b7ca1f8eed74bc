#pragma once

#include "Modes.h"
#include "RaceState.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace plovari {

class RandomSource;

/// What one racing player got out of a turn.
struct PlayerOutcome {
    std::int16_t Die = 0;                               ///< 1..6
    MarkerPicture Marker = MarkerPicture::RegularImage; ///< what the marker shows from now on
    double Score = 0;                                   ///< Scores(slot) after the turn
    bool Finished = false;                              ///< Score >= FinishLine
};

/// What a turn says the board must show. Players holds PlayerCount entries, slot order.
struct TurnOutcome {
    std::int16_t PlayerCount = 0;
    std::array<PlayerOutcome, MaxPlayers> Players{};
    bool RaceOver = false; ///< at least one player Finished; no winner is chosen
};

/// The steps a turn takes on the board while it runs, in the order they happen:
/// DieRolled for every racing slot right after its draw, then for every slot ModeOf followed
/// by GainAboutToBeAdded just before its gain is added to Scores.
class TurnSteps {
public:
    TurnSteps() = default;
    TurnSteps(const TurnSteps&) = delete;
    TurnSteps& operator=(const TurnSteps&) = delete;
    virtual ~TurnSteps() = default;

    virtual void DieRolled(Slot slot, std::int16_t die) = 0;
    virtual Mode ModeOf(Slot slot) = 0;
    virtual void GainAboutToBeAdded(Slot slot, MarkerPicture marker) = 0;
};

/// Plays one turn on the racing slots 0..PlayerCount-1: draws exactly PlayerCount numbers in
/// slot order before counting any points, adds every player's gain to Scores and flags who is
/// at or over FinishLine. Changes nothing else in the state. Requires PlayerCount 2..6.
TurnOutcome PlayTurn(RaceState& state, TurnSteps& steps, RandomSource& random);

/// The same with the modes fixed for the turn (modes[slot], at least PlayerCount entries) and
/// nothing shown anywhere.
TurnOutcome PlayTurn(RaceState& state, std::span<const Mode> modes, RandomSource& random);

/// A score box's text: a blank and the integer part of the score, " 12" for 12.6.
std::string ScoreText(double score);

} // namespace plovari
