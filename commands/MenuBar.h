#pragma once

#include "RaceBoard.h"

#include <QAction>
#include <QMenuBar>
#include <array>

namespace plovari {

/// The menu bar's actions. The pace, player-count and finish-line items each form one
/// exclusive group; Checkable is indexed by MenuItem.
struct MenuActions {
    QAction* RestartGame = nullptr;
    QAction* QuitGame = nullptr;
    std::array<QAction*, 11> Checkable{};
    QAction* About = nullptr;
    QAction* Rules = nullptr;

    QAction* Item(MenuItem item) const { return Checkable.at(static_cast<std::size_t>(item)); }
};

/// Builds the menus with their captions and access keys; no item has a shortcut key and none
/// is checked until the commands check them.
MenuActions CreateMenus(QMenuBar& bar);

} // namespace plovari
