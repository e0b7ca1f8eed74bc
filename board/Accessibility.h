#pragma once

// What a screen reader says about the main window's controls, all in one place. A player is
// named by number and colour, "Player 1 (yellow)"; the box holding a player's mode buttons
// carries that name, so a button needs only its mode's: "Low, Player 1 (yellow)". A picture
// box is named for what it is ("Player 1 die") and described by what it shows ("showing 4").

#include "Modes.h"
#include "RaceBoard.h"
#include "RaceState.h"

#include <QString>

namespace plovari::accessible {

/// "Player 1 (yellow)": also the name of the player's box of mode buttons.
QString PlayerName(Slot slot);

/// "Low", "Regular", "Medium", "High".
QString ModeButtonName(Mode mode);
/// "Mode of Player 1 (yellow): the mean of all dice".
QString ModeButtonDescription(Slot slot, Mode mode);

/// "Player 1 score"; a reader reads the score itself as the box's text.
QString ScoreName(Slot slot);
QString ScoreDescription(Slot slot);

/// "Player 1 die"; its description is the face it shows.
QString DieName(Slot slot);
/// "Player 1 marker"; its description is what its picture means.
QString MarkerName(Slot slot);

/// What the continue button does with the caption it shows: "Starts the race" for Start;
/// nothing for the caption the window is designed with.
QString ContinueDescription(Caption caption);

QString ModePanelName();
QString ColumnHeadsDescription();
QString KeyCatcherName();
QString KeyCatcherDescription();

} // namespace plovari::accessible
