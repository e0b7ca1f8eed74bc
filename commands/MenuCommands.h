#pragma once

#include "MenuBar.h"
#include "RaceController.h"

#include <QObject>
#include <QPointer>
#include <array>

class QRadioButton;

namespace plovari {

class AboutPlovari;
class CommonDialog;

/// The players' commands: the File menu, the player count, the finish line, the mode buttons
/// and the Help menu. Each handler runs its sequence on the race; the window only holds the
/// controls. Every command works in every state of the race, also while turns are playing.
class MenuCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuCommands)
public:
    using ModeButtonGrid = std::array<std::array<QRadioButton*, 4>, 6>; ///< [slot][Mode]

    /// window: what "&Quit" closes and the About window's owner. commonDialog: the help route.
    MenuCommands(RaceController& controller, QWidget& window, CommonDialog& commonDialog);
    ~MenuCommands() override;

    /// Connects the menu items and the mode buttons (buttons[slot][mode]) to the handlers.
    /// Selecting a mode button, by a click or from code, runs its handler.
    void Connect(const MenuActions& menus, const ModeButtonGrid& buttons);

    void RestartGame_Click();
    void QuitGame_Click();

    void TwoPlayers_Click();
    void ThreePlayers_Click();
    void FourPlayers_Click();
    void FivePlayers_Click();
    void SixPlayers_Click();

    void Finish200_Click();
    void Finish500_Click();
    void Finish1000_Click();

    /// The mode buttons, with the slot 0..5 of the button that was selected.
    void Low_Click(Slot slot);
    void Regular_Click(Slot slot);
    void Medium_Click(Slot slot);
    void High_Click(Slot slot);

    /// Shows the About window modally and returns when it is closed; one at a time.
    void About_Click();
    /// Hands the help file to the help viewer at its contents and returns at once.
    void Rules_Click();

private:
    RaceController& Controller;
    QWidget& Window;
    CommonDialog& CommonDialog1;
    QPointer<AboutPlovari> About;
};

} // namespace plovari
