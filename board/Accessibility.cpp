#include "Accessibility.h"

#include "Layout.h"

#include <QCoreApplication>
#include <array>

namespace plovari::accessible {

namespace {

/// The texts' context for translators.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Accessibility)
};

/// The modes' names, indexed by Mode: the same words as the help's and, abbreviated, the
/// column heads'.
constexpr std::array<const char*, 4> Modes{
    //: Mode name, read by a screen reader on the mode button (the column head "Lw").
    QT_TRANSLATE_NOOP("Accessibility", "Low"),
    //: Mode name, read by a screen reader on the mode button (the column head "Rg").
    QT_TRANSLATE_NOOP("Accessibility", "Regular"),
    //: Mode name, read by a screen reader on the mode button (the column head "Md").
    QT_TRANSLATE_NOOP("Accessibility", "Medium"),
    //: Mode name, read by a screen reader on the mode button (the column head "Hi").
    QT_TRANSLATE_NOOP("Accessibility", "High"),
};

/// Short gains, indexed by Mode.
constexpr std::array<const char*, 4> Gains{
    //: What the mode Low gains, after "Mode of Player 1 (yellow): ".
    QT_TRANSLATE_NOOP("Accessibility", "the mean of all dice"),
    //: What the mode Regular gains, after "Mode of Player 1 (yellow): ".
    QT_TRANSLATE_NOOP("Accessibility", "your own die"),
    //: What the mode Medium gains, after "Mode of Player 1 (yellow): ".
    QT_TRANSLATE_NOOP("Accessibility", "points for every other player who rolled the same number"),
    //: What the mode High gains, after "Mode of Player 1 (yellow): ".
    QT_TRANSLATE_NOOP("Accessibility", "a payout for the highest die"),
};

QString Translated(const char* text) {
    return Texts::tr(text);
}

} // namespace

QString PlayerName(Slot slot) {
    //: A player named by number and colour, e.g. "Player 1 (yellow)".
    return Texts::tr("Player %1 (%2)")
        .arg(slot + 1)
        .arg(Translated(layout::PlayerColours.at(static_cast<std::size_t>(slot)).Name));
}

QString ModeButtonName(Mode mode) {
    return Translated(Modes.at(static_cast<std::size_t>(mode)));
}

QString ModeButtonDescription(Slot slot, Mode mode) {
    //: %1 is a player, e.g. "Player 1 (yellow)"; %2 what the mode gains.
    return Texts::tr("Mode of %1: %2")
        .arg(PlayerName(slot), Translated(Gains.at(static_cast<std::size_t>(mode))));
}

QString ScoreName(Slot slot) {
    //: The score box of player number %1.
    return Texts::tr("Player %1 score").arg(slot + 1);
}

QString ScoreDescription(Slot slot) {
    //: %1 is a player, e.g. "Player 1 (yellow)".
    return Texts::tr("Points of %1").arg(PlayerName(slot));
}

QString DieName(Slot slot) {
    //: The picture of the die that player number %1 rolled.
    return Texts::tr("Player %1 die").arg(slot + 1);
}

QString MarkerName(Slot slot) {
    //: The marker that runs in the lane of player number %1.
    return Texts::tr("Player %1 marker").arg(slot + 1);
}

QString ContinueDescription(Caption caption) {
    switch (caption) {
    case Caption::Design:
        return {};
    case Caption::Start:
        //: What the continue button does while it shows "Start".
        return Texts::tr("Starts the race");
    case Caption::Continue:
        //: What the continue button does while it shows "Continue".
        return Texts::tr("Resumes the race");
    case Caption::Restart:
        //: What the continue button does while it shows "Restart".
        return Texts::tr("Puts every racer back at the start");
    }
    return {};
}

QString ModePanelName() {
    //: The panel holding every player's mode buttons, die and score.
    return Texts::tr("Modes and scores");
}

QString ColumnHeadsDescription() {
    //: Describes the column heads "Lw  Rg  Md  Hi"; use the same mode names as the mode buttons.
    return Texts::tr("Columns of the mode buttons: Low, Regular, Medium, High");
}

QString KeyCatcherName() {
    //: The invisible box that holds the focus during a race.
    return Texts::tr("Pause: press any key");
}

QString KeyCatcherDescription() {
    return Texts::tr("Holds the focus while the race runs, so that any key pauses it");
}

} // namespace plovari::accessible
