#include "MenuCommands.h"

#include "AboutPlovari.h"
#include "CommonDialog.h"

#include <QRadioButton>
#include <QWidget>
#include <utility>

namespace plovari {

namespace {

using Command = void (MenuCommands::*)();
using ModeCommand = void (MenuCommands::*)(Slot);

const QString HelpFileName = QStringLiteral("Plovari.hlp");

} // namespace

MenuCommands::MenuCommands(RaceController& controller, QWidget& window, CommonDialog& commonDialog)
    : Controller(controller)
    , Window(window)
    , CommonDialog1(commonDialog) {}

MenuCommands::~MenuCommands() = default;

void MenuCommands::Connect(const MenuActions& menus, const ModeButtonGrid& buttons) {
    const std::array<std::pair<QAction*, Command>, 12> commands{{
        {menus.RestartGame, &MenuCommands::RestartGame_Click},
        {menus.QuitGame, &MenuCommands::QuitGame_Click},
        {menus.Item(MenuItem::TwoPlayers), &MenuCommands::TwoPlayers_Click},
        {menus.Item(MenuItem::ThreePlayers), &MenuCommands::ThreePlayers_Click},
        {menus.Item(MenuItem::FourPlayers), &MenuCommands::FourPlayers_Click},
        {menus.Item(MenuItem::FivePlayers), &MenuCommands::FivePlayers_Click},
        {menus.Item(MenuItem::SixPlayers), &MenuCommands::SixPlayers_Click},
        {menus.Item(MenuItem::Finish200), &MenuCommands::Finish200_Click},
        {menus.Item(MenuItem::Finish500), &MenuCommands::Finish500_Click},
        {menus.Item(MenuItem::Finish1000), &MenuCommands::Finish1000_Click},
        {menus.About, &MenuCommands::About_Click},
        {menus.Rules, &MenuCommands::Rules_Click},
    }};
    for (const auto& [action, command] : commands) {
        connect(action, &QAction::triggered, this, command);
    }

    // Indexed by Mode.
    const std::array<ModeCommand, 4> modeCommands{
        &MenuCommands::Low_Click, &MenuCommands::Regular_Click, &MenuCommands::Medium_Click,
        &MenuCommands::High_Click};
    for (Slot slot = 0; slot < MaxPlayers; ++slot) {
        for (Mode mode : AllModes) {
            const auto index = static_cast<std::size_t>(mode);
            const ModeCommand command = modeCommands.at(index);
            // toggled, not clicked: selecting a button from code runs the handler as a click.
            connect(buttons.at(static_cast<std::size_t>(slot)).at(index), &QRadioButton::toggled,
                    this, [this, slot, command](bool selected) {
                        if (selected) {
                            (this->*command)(slot);
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

void MenuCommands::TwoPlayers_Click() {
    Controller.ChoosePlayerCount(2);
}

void MenuCommands::ThreePlayers_Click() {
    Controller.ChoosePlayerCount(3);
}

void MenuCommands::FourPlayers_Click() {
    Controller.ChoosePlayerCount(4);
}

void MenuCommands::FivePlayers_Click() {
    Controller.ChoosePlayerCount(5);
}

void MenuCommands::SixPlayers_Click() {
    Controller.ChoosePlayerCount(6);
}

void MenuCommands::Finish200_Click() {
    Controller.ChooseFinishLine(200);
}

void MenuCommands::Finish500_Click() {
    Controller.ChooseFinishLine(500);
}

void MenuCommands::Finish1000_Click() {
    Controller.ChooseFinishLine(1000);
}

void MenuCommands::Low_Click(Slot slot) {
    Controller.ModeButton_Click(slot, Mode::Low);
}

void MenuCommands::Regular_Click(Slot slot) {
    Controller.ModeButton_Click(slot, Mode::Regular);
}

void MenuCommands::Medium_Click(Slot slot) {
    Controller.ModeButton_Click(slot, Mode::Medium);
}

void MenuCommands::High_Click(Slot slot) {
    Controller.ModeButton_Click(slot, Mode::High);
}

void MenuCommands::About_Click() {
    if (About == nullptr) {
        About = new AboutPlovari(&Window);
        // Closing it destroys it; the next command creates it again.
        About->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (About->isVisible()) {
        return; // already shown, and this command's earlier call is still waiting for it
    }
    About->exec();
}

void MenuCommands::Rules_Click() {
    CommonDialog1.SetHelpFile(HelpFileName);
    CommonDialog1.SetHelpCommand(HelpContents);
    CommonDialog1.ShowHelp();
}

} // namespace plovari
