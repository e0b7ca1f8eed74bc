#include "RaceController.h"

#include "RandomSource.h"

#include <stdexcept>

namespace plovari {

namespace {

MenuItem FinishLineItem(double line) {
    if (line == 200) {
        return MenuItem::Finish200;
    }
    return line == 500 ? MenuItem::Finish500 : MenuItem::Finish1000;
}

MenuItem PaceItem(Pace pace) {
    switch (pace) {
    case Pace::StepByStep:
        return MenuItem::StepByStep;
    case Pace::Slow:
        return MenuItem::Slow;
    case Pace::Fast:
        return MenuItem::Fast;
    }
    throw std::invalid_argument("unknown pace");
}

} // namespace

RaceController::RaceController(RaceBoard& board, RandomSource& random)
    : Board(board)
    , Random(random) {}

void RaceController::Form_Load() {
    ChoosePace(Pace::Fast);
    ChooseFinishLine(200);
    ChoosePlayerCount(3);
    for (Slot slot = 0; slot < MaxPlayers; ++slot) {
        Board.SetScoreText(slot, "0");
        Board.ShowDiceFace(slot, 1);
        Board.SelectMode(slot, Mode::Regular);
        Race.Scores.at(static_cast<std::size_t>(slot)) = 0;
    }
    Random.SeedFromClock();
    RestartGame();
}

void RaceController::RestartGame() {
    const Slot last = static_cast<Slot>(Race.PlayerCount - 1);
    for (Slot slot = 0; slot <= last; ++slot) {
        Board.ShowDiceFace(slot, 1);
        Race.Scores.at(static_cast<std::size_t>(slot)) = 0;
        Board.DrawPlayer(slot);
    }
    Board.SetTimerEnabled(false);
    Board.SetContinueEnabled(true);
    Board.SetContinueCaption(Caption::Start);
}

void RaceController::DoTurn_Click() {
    const TurnOutcome outcome = PlayTurn(Race, *this, Random);
    for (Slot slot = 0; slot < outcome.PlayerCount; ++slot) {
        const PlayerOutcome& player = outcome.Players.at(static_cast<std::size_t>(slot));
        Board.SetScoreText(slot, ScoreText(player.Score));
        if (player.Finished) {
            // Once for every finisher; the settings are the same each time.
            ShowFinished();
        }
        Board.DrawPlayer(slot);
    }
    if (Board.IsChecked(MenuItem::StepByStep)) {
        Board.SetTimerEnabled(false);
        Board.SetContinueEnabled(true);
    }
}

void RaceController::ShowFinished() {
    Board.SetTimerEnabled(false);
    Board.SetContinueEnabled(true);
    Board.SetContinueCaption(Caption::Restart);
}

void RaceController::Timer1_Timer() {
    // The caption comes first, so a turn that ends the race replaces it with "Restart".
    Board.SetContinueCaption(Caption::Continue);
    Board.FocusKeyCatcher();
    DoTurn_Click();
}

void RaceController::ContinueButton_Click() {
    if (Board.ContinueCaption() == Caption::Restart) {
        RestartGame();
        return;
    }
    Board.SetContinueEnabled(false);
    Board.SetTimerEnabled(true);
    Board.FocusKeyCatcher();
}

void RaceController::TempText_KeyDown() {
    Board.SetTimerEnabled(false);
    Board.SetContinueEnabled(true);
}

void RaceController::ChoosePace(Pace pace) {
    const MenuItem chosen = PaceItem(pace);
    for (MenuItem item : {MenuItem::Slow, MenuItem::Fast, MenuItem::StepByStep}) {
        Board.SetChecked(item, item == chosen);
    }
    Board.SetTimerInterval(IntervalOf(pace));
}

void RaceController::ChoosePlayerCount(std::int16_t count) {
    RequirePlayerCount(count);
    CheckOnly(MenuItem::TwoPlayers, MenuItem::SixPlayers, PlayerCountItem(count));
    Race.PlayerCount = count;
    RestartGame();
    Board.VisiblePlayers();
}

void RaceController::ChooseFinishLine(double line) {
    if (!IsValidFinishLine(line)) {
        throw std::out_of_range("finish line must be 200, 500 or 1000");
    }
    CheckOnly(MenuItem::Finish200, MenuItem::Finish1000, FinishLineItem(line));
    Race.FinishLine = line;
}

void RaceController::ModeButton_Click(Slot slot, Mode mode) {
    Board.ShowMarkerPicture(slot, PictureOfMode(mode));
}

Mode RaceController::ReadMode(Slot slot) const {
    for (Mode mode : {Mode::Regular, Mode::Low, Mode::Medium}) {
        if (Board.IsModeSelected(slot, mode)) {
            return mode;
        }
    }
    return Mode::High;
}

void RaceController::DieRolled(Slot slot, std::int16_t die) {
    Board.ShowDiceFace(slot, die);
}

Mode RaceController::ModeOf(Slot slot) {
    return ReadMode(slot);
}

void RaceController::GainAboutToBeAdded(Slot slot, MarkerPicture marker) {
    Board.ShowMarkerPicture(slot, marker);
}

void RaceController::CheckOnly(MenuItem first, MenuItem last, MenuItem chosen) {
    for (int item = static_cast<int>(first); item <= static_cast<int>(last); ++item) {
        Board.SetChecked(static_cast<MenuItem>(item), static_cast<MenuItem>(item) == chosen);
    }
}

} // namespace plovari
