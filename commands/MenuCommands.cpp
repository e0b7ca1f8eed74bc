#include "MenuCommands.h"

#include <QRadioButton>
#include <QWidget>

namespace plovari {

MenuCommands::MenuCommands(RaceController& controller, QWidget& window)
    : Controller(controller)
    , Window(window) {}

void MenuCommands::Connect(const MenuActions& menus, const ModeButtonGrid& buttons) {
    connect(menus.RestartGame, &QAction::triggered, this, &MenuCommands::RestartGame_Click);
    connect(menus.QuitGame, &QAction::triggered, this, &MenuCommands::QuitGame_Click);

    for (std::int16_t count = MinPlayers; count <= MaxPlayers; ++count) {
        const auto item =
            static_cast<MenuItem>(static_cast<int>(MenuItem::TwoPlayers) + count - MinPlayers);
        connect(menus.Item(item), &QAction::triggered, this,
                [this, count] { PlayerCount_Click(count); });
    }
    const std::array<std::pair<MenuItem, double>, 3> lines{
        {{MenuItem::Finish200, 200}, {MenuItem::Finish500, 500}, {MenuItem::Finish1000, 1000}}};
    for (const auto& [item, line] : lines) {
        connect(menus.Item(item), &QAction::triggered, this,
                [this, line] { FinishLine_Click(line); });
    }

    for (Slot slot = 0; slot < MaxPlayers; ++slot) {
        for (Mode mode : AllModes) {
            QRadioButton* button =
                buttons.at(static_cast<std::size_t>(slot)).at(static_cast<std::size_t>(mode));
            // toggled, not clicked: selecting a button from code runs the handler as a click.
            connect(button, &QRadioButton::toggled, this, [this, slot, mode](bool selected) {
                if (selected) {
                    ModeButton_Click(slot, mode);
                }
            });
        }
    }
}

void MenuCommands::RestartGame_Click() {
    Controller.RestartGame();
}

void MenuCommands::QuitGame_Click() {
    Window.close();
}

void MenuCommands::PlayerCount_Click(std::int16_t count) {
    Controller.ChoosePlayerCount(count);
}

void MenuCommands::FinishLine_Click(double line) {
    Controller.ChooseFinishLine(line);
}

void MenuCommands::ModeButton_Click(Slot slot, Mode mode) {
    Controller.ModeButton_Click(slot, mode);
}

} // namespace plovari
