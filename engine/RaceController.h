#pragma once

#include "RaceBoard.h"
#include "RaceState.h"
#include "Turn.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace plovari {

class RandomSource;

enum class Pace : std::uint8_t { StepByStep, Slow, Fast };

/// Timer intervals of the paces. Step by step is the shortest interval plus a pause after
/// every turn.
constexpr int IntervalOf(Pace pace) {
    switch (pace) {
    case Pace::StepByStep:
        return 1;
    case Pace::Slow:
        return 1000;
    case Pace::Fast:
        return 150;
    }
    return 150;
}

/// The race's sequences: start-up, restart, the turn, the pacing handlers and the commands.
/// Owns the race state; everything the players see is written through the RaceBoard, in the
/// order the game defines. The modes have their only home on the board, in the selected mode
/// buttons, and are read there when a turn runs.
class RaceController final : private TurnSteps {
public:
    RaceController(RaceBoard& board, RandomSource& random);

    const RaceState& State() const { return Race; }

    /// Start-up, once, before the window is first shown: applies the defaults (Fast, 200,
    /// three players, everyone Regular at 0) and leaves the ready state.
    void Form_Load();
    /// Puts the racing players back at the start and waits for "Start".
    void RestartGame();
    /// One turn: roll, score, then show every racing player's score, finish and place.
    void DoTurn_Click();

    // Pacing.
    void Timer1_Timer();
    void ContinueButton_Click();
    void TempText_KeyDown();
    void ChoosePace(Pace pace);

    // Commands.
    /// count 2..6; restarts the race, also when the count does not change.
    void ChoosePlayerCount(std::int16_t count);
    /// line 200, 500 or 1000; restarts nothing and moves no marker.
    void ChooseFinishLine(double line);
    /// A mode button was selected: the marker shows that mode's picture at once; the scoring
    /// follows from the next turn, which reads the selection.
    void ModeButton_Click(Slot slot, Mode mode);

    /// The mode the board's buttons select for a slot. A group with no selection counts as
    /// High, since the High button itself is never read.
    Mode ReadMode(Slot slot) const;

private:
    // The turn's steps on the board.
    void DieRolled(Slot slot, std::int16_t die) override;
    Mode ModeOf(Slot slot) override;
    void GainAboutToBeAdded(Slot slot, MarkerPicture marker) override;

    void ShowFinished();
    /// Sets the check marks of a menu group in menu order: the chosen item on, the rest off.
    void CheckOnly(MenuItem first, MenuItem last, MenuItem chosen);

    RaceBoard& Board;
    RandomSource& Random;
    RaceState Race;
};

} // namespace plovari
