#pragma once

#include "MenuBar.h"
#include "RaceController.h"

#include <QObject>
#include <array>

class QRadioButton;

namespace plovari {

/// The players' commands: the File menu, the player count, the finish line and the mode
/// buttons. Each handler runs its sequence on the race; the window only holds the controls.
class MenuCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuCommands)
public:
    using ModeButtonGrid = std::array<std::array<QRadioButton*, 4>, 6>; ///< [slot][Mode]

    /// window: what "&Quit" closes.
    MenuCommands(RaceController& controller, QWidget& window);

    /// Connects the menu items and the mode buttons (buttons[slot][mode]) to the handlers.
    /// Selecting a mode button, by a click or from code, runs its handler.
    void Connect(const MenuActions& menus, const ModeButtonGrid& buttons);

    void RestartGame_Click();
    void QuitGame_Click();
    /// TwoPlayers_Click to SixPlayers_Click: count 2..6.
    void PlayerCount_Click(std::int16_t count);
    /// Finish200_Click, Finish500_Click, Finish1000_Click.
    void FinishLine_Click(double line);
    /// Low_Click, Regular_Click, Medium_Click, High_Click with the button's slot.
    void ModeButton_Click(Slot slot, Mode mode);

private:
    RaceController& Controller;
    QWidget& Window;
};

} // namespace plovari
