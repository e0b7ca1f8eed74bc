#pragma once

#include "Modes.h"
#include "RaceState.h"

#include <cstdint>
#include <string>

namespace plovari {

/// The checkable menu items, in menu order within each group.
enum class MenuItem : std::uint8_t {
    StepByStep,
    Slow,
    Fast,
    TwoPlayers,
    ThreePlayers,
    FourPlayers,
    FivePlayers,
    SixPlayers,
    Finish200,
    Finish500,
    Finish1000,
};

/// The Players menu item of a player count 2..6.
constexpr MenuItem PlayerCountItem(std::int16_t count) {
    return static_cast<MenuItem>(static_cast<int>(MenuItem::TwoPlayers) + (count - MinPlayers));
}

/// The continue button's captions, by what a click on the button does. The race knows them only
/// by identity; the window shows each in the player's language, so a rule such as "restart when
/// the caption is Restart" holds in every language. Design is the caption the window opens with,
/// before start-up replaces it with Start.
enum class Caption : std::uint8_t { Design, Start, Continue, Restart };

/// The board steps that the race's sequences drive, one call per step, so that the sequences
/// run without a window and their order can be checked. The main window implements it; every
/// slot argument is 0..5.
class RaceBoard {
public:
    RaceBoard() = default;
    RaceBoard(const RaceBoard&) = delete;
    RaceBoard& operator=(const RaceBoard&) = delete;
    virtual ~RaceBoard() = default;

    // Per-player controls.
    virtual void SetScoreText(Slot slot, const std::string& text) = 0;
    /// The player's dice box takes the picture of the face with `die` pips (1..6).
    virtual void ShowDiceFace(Slot slot, std::int16_t die) = 0;
    virtual void ShowMarkerPicture(Slot slot, MarkerPicture picture) = 0;
    virtual bool IsModeSelected(Slot slot, Mode mode) const = 0;
    /// Selects a mode button as a click would, which runs that button's click handler.
    virtual void SelectMode(Slot slot, Mode mode) = 0;
    /// Places the player's marker and lane square from the race state.
    virtual void DrawPlayer(Slot slot) = 0;
    /// Shows the controls of the racing slots and hides the others.
    virtual void VisiblePlayers() = 0;

    // Pacing: the timer, the continue button and the key catcher.
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual void SetTimerInterval(int milliseconds) = 0;
    virtual void SetContinueEnabled(bool enabled) = 0;
    virtual void SetContinueCaption(Caption caption) = 0;
    virtual Caption ContinueCaption() const = 0;
    virtual void FocusKeyCatcher() = 0;

    // Menu check marks.
    virtual void SetChecked(MenuItem item, bool checked) = 0;
    virtual bool IsChecked(MenuItem item) const = 0;
};

} // namespace plovari
