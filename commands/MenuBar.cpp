#include "MenuBar.h"

#include <QActionGroup>
#include <QMenu>
#include <initializer_list>
#include <utility>

namespace plovari {

namespace {

QAction* AddItem(QMenu& menu, const char* objectName, const char* caption) {
    QAction* action = menu.addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(objectName));
    return action;
}

struct CheckableItem {
    MenuItem Item;
    const char* Name;
    const char* Caption;
};

/// A menu whose items form one exclusive group.
void AddGroup(QMenuBar& bar, const char* objectName, const char* caption,
              std::initializer_list<CheckableItem> items, MenuActions& actions) {
    QMenu* menu = bar.addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(objectName));
    auto* group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const CheckableItem& item : items) {
        QAction* action = AddItem(*menu, item.Name, item.Caption);
        action->setCheckable(true);
        group->addAction(action);
        actions.Checkable.at(static_cast<std::size_t>(item.Item)) = action;
    }
}

} // namespace

MenuActions CreateMenus(QMenuBar& bar) {
    MenuActions actions;

    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    actions.RestartGame = AddItem(*file, "RestartGame", "&Restart game");
    actions.QuitGame = AddItem(*file, "QuitGame", "&Quit");

    AddGroup(bar, "OptionMenu", "&Option",
             {{MenuItem::StepByStep, "StepByStep", "&Step by step"},
              {MenuItem::Slow, "Slow", "S&low"},
              {MenuItem::Fast, "Fast", "&Fast"}},
             actions);
    AddGroup(bar, "PlayersMenu", "&Players",
             {{MenuItem::TwoPlayers, "TwoPlayers", "&2"},
              {MenuItem::ThreePlayers, "ThreePlayers", "&3"},
              {MenuItem::FourPlayers, "FourPlayers", "&4"},
              {MenuItem::FivePlayers, "FivePlayers", "&5"},
              {MenuItem::SixPlayers, "SixPlayers", "&6"}},
             actions);
    AddGroup(bar, "FinishLineMenu", "Finish &Line",
             {{MenuItem::Finish200, "Finish200", "200"},
              {MenuItem::Finish500, "Finish500", "500"},
              {MenuItem::Finish1000, "Finish1000", "1000"}},
             actions);

    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    actions.About = AddItem(*help, "About", "&About Plovari");
    actions.Rules = AddItem(*help, "Rules", "What is &this?");
    return actions;
}

} // namespace plovari
