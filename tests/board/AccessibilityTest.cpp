// What a screen reader hears: the main window and the About window read back through Qt's
// accessibility interfaces, the way a reader reads them.
#include "AboutPlovari.h"
#include "AccessibleTree.h"
#include "GameWindow.h"

#include <QLabel>
#include <vector>

using namespace plovari;
using namespace plovari::testing;

namespace {

QString NameOf(QWidget* widget) {
    return Accessible(widget)->text(QAccessible::Name);
}

QString DescriptionOf(QWidget* widget) {
    return Accessible(widget)->text(QAccessible::Description);
}

} // namespace

class AccessibilityTest : public QObject, private GameWindow {
    Q_OBJECT

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void everyControlAndPictureOfTheMainWindowHasAName() {
        Action("SixPlayers")->trigger(); // every player's controls shown
        const AccessibleWalk walk = WalkAccessibleTree(*Window);
        QVERIFY2(walk.Unnamed.isEmpty(), qPrintable(walk.Unnamed.join(QStringLiteral(", "))));
        // 24 mode buttons, 6 scores, 6 dice, 6 markers, 2 pacing controls, 20 menu items.
        QVERIFY2(walk.Named >= 64, qPrintable(QString::number(walk.Named)));

        // A control added without a name is found, wherever it stands.
        auto* added = new QPushButton(Find(*Window, "PlayerMode", 5));
        added->setObjectName(QStringLiteral("Added"));
        added->show();
        const QStringList unnamed = WalkAccessibleTree(*Window).Unnamed;
        QCOMPARE(unnamed.size(), 1);
        QVERIFY2(unnamed.front().endsWith(QStringLiteral("/PlayerMode5/Added")),
                 qPrintable(unnamed.front()));
    }

    void everyLabelAndPictureOfTheAboutWindowHasAName() {
        AboutPlovari about(Window.get());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const AccessibleWalk walk = WalkAccessibleTree(about);
        QVERIFY2(walk.Unnamed.isEmpty(), qPrintable(walk.Unnamed.join(QStringLiteral(", "))));
        QCOMPARE(walk.Named, 4); // the icons; the labels are text
        QCOMPARE(NameOf(&about), QStringLiteral("About Plovari"));
        for (int image = 1; image <= 4; ++image) {
            QAccessibleInterface* icon =
                Accessible(Find(about, QStringLiteral("Image%1").arg(image)));
            QCOMPARE(icon->role(), QAccessible::Graphic);
            QCOMPARE(icon->text(QAccessible::Name), QStringLiteral("Plovari icon"));
        }
        for (const char* name : {"Label3", "Label4", "Label5"}) {
            auto* label = Find<QLabel>(about, name);
            QCOMPARE(Accessible(label)->role(), QAccessible::StaticText);
            QCOMPARE(NameOf(label), label->text());
        }
    }

    void modeButtonsNameTheirModeInsideTheBoxNamedForThePlayer() {
        Action("SixPlayers")->trigger();
        const QStringList colours{"yellow", "navy", "red", "green", "orange", "purple"};
        for (int slot = 0; slot < 6; ++slot) {
            QAccessibleInterface* box = Accessible(Find(*Window, "PlayerMode", slot));
            QCOMPARE(box->role(), QAccessible::Grouping);
            QCOMPARE(box->text(QAccessible::Name),
                     QStringLiteral("Player %1 (%2)").arg(slot + 1).arg(colours.at(slot)));
        }

        QRadioButton* high = ModeButton("High", 1);
        QAccessibleInterface* button = Accessible(high);
        QCOMPARE(button->role(), QAccessible::RadioButton);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("High"));
        QCOMPARE(button->text(QAccessible::Description),
                 QStringLiteral("Mode of Player 2 (navy): a payout for the highest die"));
        QCOMPARE(button->parent()->text(QAccessible::Name), QStringLiteral("Player 2 (navy)"));
        QCOMPARE(high->text(), QStringLiteral("Option1")); // the caption shown stays
        QVERIFY(!button->state().checked);
        ClickMode("High", 1);
        QVERIFY(button->state().checked);

        QCOMPARE(NameOf(ModeButton("Low", 0)), QStringLiteral("Low"));
        QCOMPARE(DescriptionOf(ModeButton("Low", 0)),
                 QStringLiteral("Mode of Player 1 (yellow): the mean of all dice"));
        QCOMPARE(DescriptionOf(ModeButton("Regular", 2)),
                 QStringLiteral("Mode of Player 3 (red): your own die"));
        QCOMPARE(DescriptionOf(ModeButton("Medium", 5)),
                 QStringLiteral("Mode of Player 6 (purple): points for every other player who "
                                "rolled the same number"));
    }

    void diceSayTheFaceRolledAndMarkersWhatTheirPictureMeans() {
        QAccessibleInterface* die = Accessible(PlayerDice(0));
        QCOMPARE(die->role(), QAccessible::Graphic);
        QCOMPARE(die->text(QAccessible::Name), QStringLiteral("Player 1 die"));
        QCOMPARE(die->text(QAccessible::Description), QStringLiteral("showing 1"));

        ClickMode("High", 1);
        Dice->Script({4, 6, 1});
        PlayTurn();
        QCOMPARE(DescriptionOf(PlayerDice(0)), QStringLiteral("showing 4"));
        QCOMPARE(DescriptionOf(PlayerDice(1)), QStringLiteral("showing 6"));
        QCOMPARE(DescriptionOf(PlayerDice(2)), QStringLiteral("showing 1"));
        Dice->Script({2, 1, 1});
        PlayTurn();
        QCOMPARE(DescriptionOf(PlayerDice(0)), QStringLiteral("showing 2"));
        QCOMPARE(NameOf(PlayerDice(2)), QStringLiteral("Player 3 die"));

        QAccessibleInterface* marker = Accessible(Marker(1));
        QCOMPARE(marker->role(), QAccessible::Graphic);
        QCOMPARE(marker->text(QAccessible::Name), QStringLiteral("Player 2 marker"));
        QCOMPARE(marker->text(QAccessible::Description),
                 QStringLiteral("stop sign: High, not the highest die"));
        QCOMPARE(DescriptionOf(Marker(0)), QStringLiteral("smiley: Regular"));

        QAccessibleInterface* score = Accessible(Score(0));
        QCOMPARE(score->text(QAccessible::Name), QStringLiteral("Player 1 score"));
        QCOMPARE(score->text(QAccessible::Description),
                 QStringLiteral("Points of Player 1 (yellow)"));
        QCOMPARE(score->text(QAccessible::Value), QStringLiteral(" 6"));
    }

    void continueButtonSaysWhatItDoesAndTheKeyCatcherHowToPause() {
        QCOMPARE(NameOf(TempText()), QStringLiteral("Pause: press any key"));
        QCOMPARE(NameOf(ContinueButton()), QStringLiteral("Start"));
        QCOMPARE(DescriptionOf(ContinueButton()), QStringLiteral("Starts the race"));

        Action("StepByStep")->trigger();
        ClickContinue();
        QTRY_VERIFY(ContinueButton()->isEnabled());
        QCOMPARE(NameOf(ContinueButton()), QStringLiteral("Continue"));
        QCOMPARE(DescriptionOf(ContinueButton()), QStringLiteral("Resumes the race"));

        ScriptATenTurnRace();
        for (int turn = 0; turn < 10; ++turn) {
            PlayTurn();
        }
        QCOMPARE(NameOf(ContinueButton()), QStringLiteral("Restart"));
        QCOMPARE(DescriptionOf(ContinueButton()),
                 QStringLiteral("Puts every racer back at the start"));
        ClickContinue();
        QCOMPARE(DescriptionOf(ContinueButton()), QStringLiteral("Starts the race"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
