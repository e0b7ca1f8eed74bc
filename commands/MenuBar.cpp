#include "MenuBar.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <initializer_list>
#include <utility>

namespace plovari {

namespace {

// The menu bar's texts are translated in the context "MenuBar". The character after "&" is a
// caption's access key: unique within its menu, and the titles' unique in the bar.
QString Translated(const char* caption) {
    return QCoreApplication::translate("MenuBar", caption);
}

QAction* AddItem(QMenu& menu, const char* objectName, const char* caption) {
    QAction* action = menu.addAction(Translated(caption));
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
    QMenu* menu = bar.addMenu(Translated(caption));
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

    //: Menu title. The five titles share a bar 687 pixels wide; access keys unique among them.
    QMenu* file = bar.addMenu(Translated(QT_TRANSLATE_NOOP("MenuBar", "&File")));
    file->setObjectName(QStringLiteral("FileMenu"));
    //: File menu: puts every racer back at the start.
    actions.RestartGame =
        AddItem(*file, "RestartGame", QT_TRANSLATE_NOOP("MenuBar", "&Restart game"));
    //: File menu: closes the game.
    actions.QuitGame = AddItem(*file, "QuitGame", QT_TRANSLATE_NOOP("MenuBar", "&Quit"));

    //: Menu title of the pace commands.
    AddGroup(bar, "OptionMenu", QT_TRANSLATE_NOOP("MenuBar", "&Option"),
             //: Option menu: a pace that plays one turn per click of the continue button.
             {{MenuItem::StepByStep, "StepByStep", QT_TRANSLATE_NOOP("MenuBar", "&Step by step")},
              //: Option menu: the slow pace, a turn every second.
              {MenuItem::Slow, "Slow", QT_TRANSLATE_NOOP("MenuBar", "S&low")},
              //: Option menu: the fast pace, a turn every 150 ms.
              {MenuItem::Fast, "Fast", QT_TRANSLATE_NOOP("MenuBar", "&Fast")}},
             actions);
    //: Menu title of the player counts.
    AddGroup(bar, "PlayersMenu", QT_TRANSLATE_NOOP("MenuBar", "&Players"),
             //: Players menu: a race of two players.
             {{MenuItem::TwoPlayers, "TwoPlayers", QT_TRANSLATE_NOOP("MenuBar", "&2")},
              //: Players menu: a race of three players.
              {MenuItem::ThreePlayers, "ThreePlayers", QT_TRANSLATE_NOOP("MenuBar", "&3")},
              //: Players menu: a race of four players.
              {MenuItem::FourPlayers, "FourPlayers", QT_TRANSLATE_NOOP("MenuBar", "&4")},
              //: Players menu: a race of five players.
              {MenuItem::FivePlayers, "FivePlayers", QT_TRANSLATE_NOOP("MenuBar", "&5")},
              //: Players menu: a race of six players.
              {MenuItem::SixPlayers, "SixPlayers", QT_TRANSLATE_NOOP("MenuBar", "&6")}},
             actions);
    //: Menu title of the finish lines, the score that ends a race.
    AddGroup(bar, "FinishLineMenu", QT_TRANSLATE_NOOP("MenuBar", "Finish &Line"),
             //: Finish Line menu: the race ends at 200 points. Give it an access key ("&200"),
             //: which the English menu lacks.
             {{MenuItem::Finish200, "Finish200", QT_TRANSLATE_NOOP("MenuBar", "200")},
              //: Finish Line menu: the race ends at 500 points. Give it an access key ("&500").
              {MenuItem::Finish500, "Finish500", QT_TRANSLATE_NOOP("MenuBar", "500")},
              //: Finish Line menu: the race ends at 1000 points. Give it an access key ("&1000").
              {MenuItem::Finish1000, "Finish1000", QT_TRANSLATE_NOOP("MenuBar", "1000")}},
             actions);

    //: Menu title.
    QMenu* help = bar.addMenu(Translated(QT_TRANSLATE_NOOP("MenuBar", "&Help")));
    help->setObjectName(QStringLiteral("HelpMenu"));
    //: Help menu: opens the About window.
    actions.About = AddItem(*help, "About", QT_TRANSLATE_NOOP("MenuBar", "&About Plovari"));
    //: Help menu: opens the game's help at its contents.
    actions.Rules = AddItem(*help, "Rules", QT_TRANSLATE_NOOP("MenuBar", "What is &this?"));
    return actions;
}

} // namespace plovari
