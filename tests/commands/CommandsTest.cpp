// The menu commands, the mode buttons, the About window and the help command, used the way a
// player uses them: from the menus, in every state of the race.
#include "AboutPlovari.h"
#include "CommonDialog.h"
#include "GameWindow.h"
#include "Version.h"
#include "WindowFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <utility>
#include <vector>

using namespace plovari;
using namespace plovari::testing;

class CommandsTest : public QObject, private GameWindow {
    Q_OBJECT

    std::vector<AboutPlovari*> AboutWindows() const {
        const QList<AboutPlovari*> found = Window->findChildren<AboutPlovari*>();
        return {found.begin(), found.end()};
    }

    /// Starts the race and waits until turns have been played.
    void StartRacing() {
        ClickContinue();
        QTRY_VERIFY(Draws() >= 6);
    }

    /// Checks that play stopped on a restart: timer off, "Start" offered, racers at the start.
    void CheckRestartedAndWaiting(int players) {
        QVERIFY(!Timer1()->isActive());
        QVERIFY(ContinueButton()->isEnabled());
        QCOMPARE(ContinueButton()->text(), QStringLiteral("Start"));
        for (int slot = 0; slot < players; ++slot) {
            QCOMPARE(Window->State().Scores.at(static_cast<std::size_t>(slot)), 0.0);
            QCOMPARE(Marker(slot)->ExactPosition(), QPointF(1, 35 * slot + 9));
            QCOMPARE(PlayerDice(slot)->CurrentPicture(), Picture::Die1);
        }
    }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void playerCountWhileRacingStopsPlayEvenForTheSameCount() {
        StartRacing();
        Action("ThreePlayers")->trigger();
        CheckRestartedAndWaiting(3);
        const std::size_t draws = Draws();
        QVERIFY(PlaysNoFurtherTurn());

        ClickContinue();
        QTRY_VERIFY(Draws() > draws);
        Action("FivePlayers")->trigger();
        CheckRestartedAndWaiting(5);
        QVERIFY(Action("FivePlayers")->isChecked());
        QVERIFY(!Action("ThreePlayers")->isChecked());
    }

    void hiddenPlayersKeepTheirScoresUntilTheyRaceAgain() {
        Action("FivePlayers")->trigger();
        Dice->Script({6, 6, 6, 6, 6});
        PlayTurn();
        Action("TwoPlayers")->trigger();
        QCOMPARE(Window->State().Scores.at(4), 6.0);
        QVERIFY(!Marker(4)->isVisible());

        Action("FivePlayers")->trigger();
        CheckRestartedAndWaiting(5);
        QVERIFY(Marker(4)->isVisible());
    }

    void finishLineMidRaceMovesNothingAndTheNextTurnFinishes() {
        Action("TwoPlayers")->trigger();
        Action("Finish500")->trigger();
        Dice->Script(std::vector<std::int16_t>(std::size_t{2} * 35, 6));
        for (int turn = 0; turn < 35; ++turn) {
            PlayTurn();
        }
        QCOMPARE(Window->State().Scores.at(0), 210.0);
        ClickContinue();
        QVERIFY(Timer1()->isActive());
        const QPointF marker = Marker(0)->ExactPosition();
        const QPointF square = Square(1)->ExactPosition();

        Action("Finish200")->trigger();
        QCOMPARE(Window->State().FinishLine, 200.0);
        QCOMPARE(Window->State().Scores.at(0), 210.0);
        QCOMPARE(Marker(0)->ExactPosition(), marker);
        QCOMPARE(Square(1)->ExactPosition(), square);
        QVERIFY(Timer1()->isActive());
        QVERIFY(Action("Finish200")->isChecked());
        QVERIFY(!Action("Finish500")->isChecked());

        // Both already stand beyond the new line: the next turn ends the race.
        QTRY_COMPARE(ContinueButton()->text(), QStringLiteral("Restart"));
        QVERIFY(!Timer1()->isActive());
        QCOMPARE(Window->State().Scores.at(0), 211.0);
    }

    void modeChangeWhileRacingShowsAtOnceAndScoresFromTheNextTurn() {
        Dice->Script(std::vector<std::int16_t>(300, 2));
        StartRacing();
        ClickMode("High", 0);
        QCOMPARE(Marker(0)->CurrentPicture(), Picture::GoSign);
        QVERIFY(ModeButton("High", 0)->isChecked());
        const double score = Window->State().Scores.at(0);
        const std::size_t draws = Draws();
        // All dice are twos, so every player holds the highest die: High pays 8.385.
        QTRY_VERIFY(Draws() >= draws + 3);
        QTest::keyClick(TempText(), Qt::Key_Escape);
        const double turns = static_cast<double>(Draws() - draws) / 3;
        QCOMPARE(Window->State().Scores.at(0), score + turns * 8.385);
        QCOMPARE(Window->State().Scores.at(1), static_cast<double>(Draws()) / 3 * 2);
    }

    void arrowKeysChooseAmongAPlayersOwnModeButtons() {
        // An arrow key moves on from the application's focus widget, which only an active
        // window has.
        SKIP_WITHOUT(ActiveWindow);
        QRadioButton* regular = ModeButton("Regular", 1);
        regular->setFocus(Qt::TabFocusReason);
        QTest::keyClick(regular, Qt::Key_Right);
        QVERIFY(ModeButton("Medium", 1)->isChecked());
        QCOMPARE(Marker(1)->CurrentPicture(), Picture::LightGo);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(ModeButton("High", 1)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY2(ModeButton("High", 1)->isChecked(), "the keys stay in the player's own box");
        QVERIFY(ModeButton("Regular", 0)->isChecked());
        QVERIFY(ModeButton("Regular", 2)->isChecked());
    }

    void restartGameWhileRacingPutsEveryoneBack() {
        StartRacing();
        Action("RestartGame")->trigger();
        CheckRestartedAndWaiting(3);
    }

    void aboutIsModalAndSingleWhileTheRaceGoesOn() {
        StartRacing();
        // What the About window and the game showed while it was open, checked once it is shut.
        struct Seen {
            std::size_t Windows = 0;
            bool ModalIsAbout = false;
            std::size_t WindowsAfterSecondCommand = 0;
            QString Title;
            Qt::WindowFlags Flags;
            bool FixedSize = false;
            bool LowTookTheClick = true;
            bool TurnsWentOn = false;
            bool TimerActive = false;
            QStringList Texts;
        } seen;
        const auto openAbout = [this] { Action("About")->trigger(); };
        const bool shown = WhileModal(openAbout, [&](QWidget& modal) {
            seen.Windows = AboutWindows().size();
            seen.ModalIsAbout = seen.Windows == 1 && AboutWindows().front() == &modal;
            seen.Title = modal.windowTitle();
            seen.Flags = modal.windowFlags();
            seen.FixedSize = modal.minimumSize() == modal.maximumSize();

            openAbout(); // a second command shows no second window
            seen.WindowsAfterSecondCommand = AboutWindows().size();

            // The main window takes neither keys nor clicks, while the turns go on.
            const std::size_t draws = Draws();
            QTest::keyClick(Window->windowHandle(), Qt::Key_P);
            QRadioButton* low = ModeButton("Low", 0);
            QTest::mouseClick(Window->windowHandle(), Qt::LeftButton, {},
                              low->mapTo(Window.get(), QPoint(6, low->height() / 2)));
            seen.LowTookTheClick = low->isChecked();
            seen.TurnsWentOn = QTest::qWaitFor([&] { return Draws() >= draws + 6; });
            seen.TimerActive = Timer1()->isActive();
            for (const char* label : {"Label3", "Label4", "Label5"}) {
                seen.Texts << Find<QLabel>(modal, label)->text();
            }
        });
        QVERIFY2(shown, "About shows a modal window");
        QCOMPARE(seen.Windows, 1u);
        QVERIFY2(seen.ModalIsAbout, "the About window is the modal one");
        QCOMPARE(seen.Title, QStringLiteral("About Plovari"));
        QVERIFY(seen.Flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(seen.FixedSize);
        QCOMPARE(seen.WindowsAfterSecondCommand, 1u);
        QVERIFY2(!seen.LowTookTheClick, "the main window takes no clicks while About is open");
        QVERIFY2(seen.TurnsWentOn && seen.TimerActive, "the turns go on while About is open");
        QVERIFY(Timer1()->isActive());
        QTRY_VERIFY(AboutWindows().empty());

        QTest::keyClick(Window->windowHandle(), Qt::Key_P);
        QVERIFY2(!Timer1()->isActive(), "keys pause again once the About window is gone");

        QCOMPARE(seen.Texts.size(), 3);
        QVERIFY(seen.Texts.at(0).contains(QStringLiteral(PLOVARI_VERSION)));
        QVERIFY(seen.Texts.at(1).startsWith(
            QStringLiteral("Any comments or bug reports can be sent to ")));
        QVERIFY(seen.Texts.at(2).startsWith(QStringLiteral("Check out ")));
        QVERIFY(seen.Texts.at(2).endsWith(
            QStringLiteral(" for other software, short stories and merchandise.")));

        QStringList secondTexts;
        QVERIFY(WhileModal(openAbout, [&](QWidget& modal) {
            for (const char* label : {"Label3", "Label4", "Label5"}) {
                secondTexts << Find<QLabel>(modal, label)->text();
            }
        }));
        QCOMPARE(secondTexts, seen.Texts);
    }

    void aboutIsCentredOverTheMainWindow() {
        SKIP_WITHOUT(WindowPlaces);
        int offCentre = -1;
        QVERIFY(WhileModal(
            [this] { Action("About")->trigger(); },
            [&](QWidget& modal) {
                offCentre =
                    (modal.geometry().center() - Window->geometry().center()).manhattanLength();
            }));
        QVERIFY2(offCentre >= 0 && offCentre <= 2, "centred over the main window");
    }

    void aboutTextsFitTheirLabelsInsideTheWindow() {
        AboutPlovari about(Window.get());
        QCOMPARE(about.size(), AboutPlovari::ClientArea);
        int bottom = 0;
        for (const char* name : {"Label3", "Label4", "Label5"}) {
            const auto* label = Find<QLabel>(about, name);
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
            QVERIFY2(label->y() >= bottom, name);
            bottom = label->geometry().bottom();
            QVERIFY2(bottom < about.height(), name);
            QCOMPARE(label->x(), 40);
        }
        QCOMPARE(Find(about, "Label4")->geometry().topLeft(), QPoint(40, 80));
        QCOMPARE(Find(about, "Label5")->geometry().topLeft(), QPoint(40, 128));
        for (int image = 1; image <= 4; ++image) {
            QCOMPARE(Find(about, QStringLiteral("Image%1").arg(image))->geometry(),
                     QRect(272, 8 + 40 * (image - 1), 32, 32));
        }
    }

    void helpHandsTheBareFileNameAtItsContentsAndLeavesTheRace() {
        std::vector<std::pair<QString, std::int16_t>> handed;
        Find<CommonDialog>(*Window, "CommonDialog1")
            ->SetViewer([&](const QString& file, std::int16_t command) {
                handed.emplace_back(file, command);
            });
        Action("Rules")->trigger();
        QCOMPARE(handed.size(), 1u);
        QCOMPARE(handed.front().first, QStringLiteral("Plovari.hlp"));
        QCOMPARE(handed.front().second, std::int16_t{3});
        CheckRestartedAndWaiting(3);

        StartRacing();
        Action("Rules")->trigger();
        QCOMPARE(handed.size(), 2u);
        QVERIFY(Timer1()->isActive());
        QVERIFY(!ContinueButton()->isEnabled());
        const std::size_t draws = Draws();
        QTRY_VERIFY(Draws() > draws);
    }

    void aHelpViewerThatCannotStartIsToldAndTheRaceGoesOn() {
        const QString missing = QDir(QCoreApplication::applicationDirPath())
                                    .filePath(QStringLiteral("no-such-folder/plovari-help"));
        Find<CommonDialog>(*Window, "CommonDialog1")->SetViewerProgram(missing);
        StartRacing();
        Action("Rules")->trigger();
        Action("Rules")->trigger();
        const QList<QMessageBox*> told = Window->findChildren<QMessageBox*>();
        QCOMPARE(told.size(), 1);
        QMessageBox* problem = told.front();
        QVERIFY(problem->isVisible());
        QVERIFY2(QApplication::activeModalWidget() == nullptr, "the window still takes input");
        QVERIFY2(problem->text().contains(QStringLiteral("“Plovari.hlp”")),
                 qPrintable(problem->text()));
        QVERIFY2(problem->informativeText().contains(missing),
                 qPrintable(problem->informativeText()));

        QVERIFY(Timer1()->isActive());
        const std::size_t draws = Draws();
        QTRY_VERIFY(Draws() > draws);
        problem->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(Window->findChild<QMessageBox*>() == nullptr);
        QVERIFY(Timer1()->isActive());
    }

    void quitEndsTheProgramWithoutAsking() {
        StartRacing();
        bool closed = false;
        QTimer::singleShot(0, Action("QuitGame"), [&] {
            Action("QuitGame")->trigger();
            closed = !Window->isVisible();
            if (!closed) {
                QApplication::exit(1); // a window left open would keep the loop running
            }
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(closed);
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
