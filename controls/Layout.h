#pragma once

// Where every control of the main window stands, in pixels at 96 dots per inch. Positions of
// children of a frame are relative to the frame's top-left corner. Per-player tables are
// indexed by player slot 0..5.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace plovari::layout {

using SlotPoints = std::array<QPoint, 6>;

inline constexpr QSize ClientArea{687, 374};

/// A player's colour: it fills the mode box, its buttons and the lane square, and screen
/// readers name the player by it (Name is translated where it is read).
struct PlayerColour {
    QColor Fill;
    const char* Name;
};
inline const std::array<PlayerColour, 6> PlayerColours{{
    //: Player colour, as in "Player 1 (yellow)".
    {QColor(255, 255, 0), QT_TRANSLATE_NOOP("Accessibility", "yellow")},
    //: Player colour, as in "Player 2 (navy)": a dark blue.
    {QColor(0, 0, 128), QT_TRANSLATE_NOOP("Accessibility", "navy")},
    //: Player colour, as in "Player 3 (red)".
    {QColor(255, 0, 0), QT_TRANSLATE_NOOP("Accessibility", "red")},
    //: Player colour, as in "Player 4 (green)".
    {QColor(0, 192, 0), QT_TRANSLATE_NOOP("Accessibility", "green")},
    //: Player colour, as in "Player 5 (orange)".
    {QColor(255, 128, 0), QT_TRANSLATE_NOOP("Accessibility", "orange")},
    //: Player colour, as in "Player 6 (purple)".
    {QColor(192, 0, 192), QT_TRANSLATE_NOOP("Accessibility", "purple")},
}};

inline constexpr QRect ModeFrame{8, 224, 569, 129};

// Inside ModeFrame.
inline constexpr QSize ModeBoxSize{81, 41};
inline constexpr SlotPoints ModeBoxes{
    {{8, 32}, {8, 72}, {200, 32}, {200, 72}, {400, 32}, {400, 72}}};
inline constexpr QSize DiceSize{20, 20};
inline constexpr SlotPoints PlayerDice{
    {{96, 40}, {96, 80}, {288, 40}, {288, 80}, {488, 40}, {488, 80}}};
inline constexpr QSize ScoreSize{33, 25};
inline constexpr SlotPoints PlayerScores{
    {{120, 40}, {120, 80}, {312, 40}, {312, 80}, {512, 40}, {512, 80}}};
inline constexpr QSize ColumnHeadSize{97, 17};
inline constexpr std::array<QPoint, 3> ColumnHeads{{{8, 16}, {200, 16}, {400, 16}}};

// Inside a mode box: Low, Regular, Medium, High from left to right.
inline constexpr QSize ModeButtonSize{17, 13};
inline constexpr std::array<QPoint, 4> ModeButtons{{{8, 16}, {24, 16}, {40, 16}, {56, 16}}};

/// An icon picture: the window icon, the smiley and the other mode pictures.
inline constexpr QSize IconSize{32, 32};

// On the window.
inline constexpr QSize MarkerSize = IconSize;
inline constexpr SlotPoints MarkerOpenings{
    {{8, 8}, {8, 40}, {0, 72}, {0, 104}, {0, 136}, {0, 168}}};
inline constexpr QSize LaneSquareSize{36, 36};
/// Lane square i opens at (64, 32 i + 8).
inline constexpr QPoint LaneSquareOpening(int slot) {
    return {64, 32 * slot + 8};
}
/// Die face k (k + 1 pips) opens at (312 + 32 k, 8).
inline constexpr QPoint DieFaceSource(int face) {
    return {312 + 32 * face, 8};
}
/// The mode pictures in MarkerPicture order: Regular, Low, MediumGo, MediumStop, HighGo, HighStop.
inline constexpr std::array<QPoint, 6> ModePictureSources{
    {{280, 72}, {224, 72}, {320, 120}, {320, 80}, {368, 120}, {368, 80}}};

inline constexpr QRect ContinueButton{616, 264, 65, 25};
inline constexpr QRect DoTurn{240, 8, 49, 25};
inline constexpr QRect TempText{632, 304, 41, 25};

// Tab indexes; the score boxes (10..15) and the frames take no focus.
inline constexpr int DoTurnTabIndex = 7;
inline constexpr int ContinueButtonTabIndex = 8;
inline constexpr int TempTextTabIndex = 9;
/// Tab indexes of a slot's mode buttons, in the order Low, Regular, Medium, High.
inline constexpr std::array<int, 4> ModeButtonTabIndexes(int slot) {
    if (slot == 0) {
        return {3, 4, 6, 5};
    }
    return {5 * slot + 15, 5 * slot + 14, 5 * slot + 12, 5 * slot + 13};
}

/// The timer's interval before start-up picks the pace.
inline constexpr int DesignTimerInterval = 50;

} // namespace plovari::layout
