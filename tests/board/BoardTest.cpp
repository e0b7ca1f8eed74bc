// The main window, played through its buttons, keys and menus.
#include "AboutPlovari.h"
#include "GameWindow.h"
#include "Layout.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QMenuBar>
#include <utility>
#include <vector>

using namespace plovari;
using namespace plovari::testing;

namespace {

const QColor Yellow(255, 255, 0);
const QColor Navy(0, 0, 128);

/// The widget drawn at `ratio` device pixels per pixel, on transparency.
QImage DrawnAt(QWidget& widget, qreal ratio) {
    QPixmap pixmap(widget.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    widget.render(&pixmap, QPoint(), QRegion(), QWidget::DrawChildren);
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

/// The four channels of a pixel, alpha included.
std::array<int, 4> Channels(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return {qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel)};
}

/// The image at half its size, each pixel the mean of a 2 x 2 block.
QImage Halved(const QImage& image) {
    QImage half(image.size() / 2, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < half.width(); ++x) {
            std::array<int, 4> sum{};
            for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) {
                const std::array<int, 4> channels = Channels(image, 2 * x + dx, 2 * y + dy);
                for (std::size_t c = 0; c < 4; ++c) {
                    sum.at(c) += channels.at(c);
                }
            }
            half.setPixel(
                x, y,
                qRgba((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4, (sum[3] + 2) / 4));
        }
    }
    return half;
}

/// The mean difference of two images of one size, per channel, on the scale 0..255.
double MeanDifference(const QImage& one, const QImage& other) {
    double total = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const std::array<int, 4> a = Channels(one, x, y);
            const std::array<int, 4> b = Channels(other, x, y);
            for (std::size_t c = 0; c < 4; ++c) {
                total += std::abs(a.at(c) - b.at(c));
            }
        }
    }
    return total / (4.0 * one.width() * one.height());
}

/// How many 2 x 2 blocks hold more than one colour: detail finer than a pixel of the 1x
/// drawing, of which a blown-up 1x drawing has none.
int MixedBlocks(const QImage& image) {
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner) {
                ++mixed;
            }
        }
    }
    return mixed;
}

/// The sum of squared differences between neighbouring pixels: the steeper the edges, the
/// higher, so a blurred drawing scores lower than a sharp one.
double EdgeEnergy(const QImage& image) {
    double energy = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const std::array<int, 4> here = Channels(image, x, y);
            for (auto [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
                if (nx < image.width() && ny < image.height()) {
                    const std::array<int, 4> next = Channels(image, nx, ny);
                    for (std::size_t c = 0; c < 4; ++c) {
                        const double step = here.at(c) - next.at(c);
                        energy += step * step;
                    }
                }
            }
        }
    }
    return energy;
}

/// What is wrong with the way `widget` draws at twice the pixels, or nothing.
QString ProblemAtTwiceThePixels(QWidget& widget) {
    const QImage once = DrawnAt(widget, 1);
    const QImage twice = DrawnAt(widget, 2);
    // Drawn anew, not blown up: detail finer than a 1x pixel, and edges as steep as the 1x
    // drawing's, which a smoothly scaled 1x drawing would blur.
    if (MixedBlocks(twice) == 0) {
        return QStringLiteral("no detail finer than a 1x pixel, as if blown up from 1x");
    }
    const QImage blownUp = once.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (EdgeEnergy(twice) < 0.9 * EdgeEnergy(blownUp)) {
        return QStringLiteral("blurred");
    }
    // The same picture in the same place: halved, it is the 1x drawing but for antialiasing.
    if (MeanDifference(Halved(twice), once) > 4) {
        return QStringLiteral("not the 1x drawing's picture and place");
    }
    return {};
}

} // namespace

class BoardTest : public QObject, private GameWindow {
    Q_OBJECT

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void windowHasItsFixedDesignedSize() {
        QCOMPARE(Window->windowTitle(), QStringLiteral("Plovari, the board game"));
        QWidget* client = Window->centralWidget();
        QCOMPARE(client->size(), QSize(687, 374));
        QCOMPARE(client->y(), Window->menuBar()->height()); // client area below the menu bar
        QCOMPARE(Window->minimumSize(), Window->maximumSize());
        QVERIFY(!(Window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(Window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!Window->windowIcon().isNull());
        QCOMPARE(Find<QLabel>(*Window, "Label1", 2)->text(), QStringLiteral("Lw  Rg  Md  Hi"));
    }

    void startUpLeavesTheReadyState() {
        QCOMPARE(ContinueButton()->text(), QStringLiteral("Start"));
        QVERIFY(ContinueButton()->isEnabled());
        QVERIFY(!Timer1()->isActive());
        QCOMPARE(Timer1()->interval(), 150);
        QCOMPARE(Timer1()->timerType(), Qt::PreciseTimer);
        for (int slot = 0; slot < 6; ++slot) {
            QCOMPARE(Score(slot)->text(), QStringLiteral("0"));
            QCOMPARE(PlayerDice(slot)->CurrentPicture(), Picture::Die1);
            QVERIFY(ModeButton("Regular", slot)->isChecked());
            QCOMPARE(Marker(slot)->CurrentPicture(), Picture::Smiley);
            const bool racing = slot < 3;
            QCOMPARE(Marker(slot)->isVisible(), racing);
            QCOMPARE(Square(slot)->isVisible(), racing);
            QCOMPARE(Score(slot)->isVisible(), racing);
            QCOMPARE(PlayerDice(slot)->isVisible(), racing);
            QCOMPARE(Find(*Window, "PlayerMode", slot)->isVisible(), racing);
        }
        QCOMPARE(Marker(2)->ExactPosition(), QPointF(1, 79));
        QCOMPARE(Square(2)->ExactPosition(), QPointF(0, 78));
        QVERIFY(!Find(*Window, "DoTurn")->isVisible());
        QVERIFY(TempText()->isVisible());
        QVERIFY(TempText()->isEnabled());
        QCOMPARE(Draws(), 0u); // no turn before Start
    }

    void menusHaveNoShortcutsAndOneCheckPerGroup() {
        for (QAction* action : Window->findChildren<QAction*>()) {
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
        }
        QStringList checked;
        for (QAction* action : Window->findChildren<QAction*>()) {
            if (action->isChecked()) {
                checked << action->objectName();
            }
        }
        checked.sort();
        QCOMPARE(checked, (QStringList{"Fast", "Finish200", "ThreePlayers"}));
        QCOMPARE(Action("Fast")->actionGroup(), Action("Slow")->actionGroup());
        QCOMPARE(Action("Fast")->actionGroup()->exclusionPolicy(),
                 QActionGroup::ExclusionPolicy::Exclusive);
        QVERIFY(Action("Fast")->actionGroup() != Action("TwoPlayers")->actionGroup());
    }

    void startRunsAKeyPausesAndContinueResumes() {
        ClickContinue();
        QVERIFY(!ContinueButton()->isEnabled());
        QVERIFY(Timer1()->isActive());
        QCOMPARE(Window->focusWidget(), TempText());
        QTRY_COMPARE(ContinueButton()->text(), QStringLiteral("Continue"));
        QTRY_VERIFY(Draws() >= 6);

        QTest::keyClick(TempText(), Qt::Key_Space);
        QVERIFY(!Timer1()->isActive());
        QVERIFY(ContinueButton()->isEnabled());
        QCOMPARE(ContinueButton()->text(), QStringLiteral("Continue"));
        const std::size_t paused = Draws();
        const QString score = Score(0)->text();
        QVERIFY(PlaysNoFurtherTurn());
        QCOMPARE(Score(0)->text(), score);

        ClickContinue();
        QVERIFY(Timer1()->isActive());
        QTRY_VERIFY(Draws() > paused);
    }

    void aStoppedTimerPlaysNoFurtherTurn() {
        QVERIFY(!Timer1()->isActive());
        Window->Timer1_Timer(); // a tick that fell due just before the stop
        QCOMPARE(Draws(), 0u);
        QCOMPARE(ContinueButton()->text(), QStringLiteral("Start"));
    }

    void everyKeyPausesEvenModifiersAndTab() {
        for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Tab, Qt::Key_F1, Qt::Key_Escape, Qt::Key_A}) {
            ClickContinue();
            QVERIFY(Timer1()->isActive());
            QTest::keyClick(TempText(), key);
            QVERIFY2(!Timer1()->isActive(), qPrintable(QString::number(key, 16)));
            QVERIFY(ContinueButton()->isEnabled());
        }
    }

    void keyCatcherIsNoTabStopAndTakesNoInputMethod() {
        ClickContinue();
        QTest::keyClick(TempText(), Qt::Key_Space);
        QInputMethodQueryEvent query(Qt::ImEnabled); // what the platform asks on a new focus
        QApplication::sendEvent(TempText(), &query);
        QCOMPARE(query.value(Qt::ImEnabled), QVariant(false));
        QTest::keyClick(ContinueButton(), Qt::Key_Tab); // the stop after Continue
        QWidget* focus = Window->focusWidget();
        QVERIFY2(focus != TempText() && focus->isVisible(), qPrintable(focus->objectName()));
    }

    void keyCatcherNeverKeepsTextAndShowsNothing() {
        ClickContinue();
        QTest::keyClicks(TempText(), QStringLiteral("hello"));
        QCOMPARE(TempText()->text(), QString());

        // Its text selected and focused, the box still paints in one colour only.
        TempText()->blockSignals(true); // as if it still held its text from the design
        TempText()->setText(QStringLiteral("Text1"));
        TempText()->blockSignals(false);
        TempText()->setFocus();
        TempText()->selectAll();
        const QColor face = Window->palette().color(QPalette::Button);
        // At a fractional scale too, where a line edit's text cursor shows even at no width.
        for (qreal ratio : {1.0, 1.5, 2.0}) {
            const QImage picture = DrawnAt(*TempText(), ratio);
            // Text drawn in the background's own colour may blend a shade off at its edges.
            int visible = 0;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    const QColor pixel = picture.pixelColor(x, y);
                    if (std::abs(pixel.red() - face.red()) > 2 ||
                        std::abs(pixel.green() - face.green()) > 2 ||
                        std::abs(pixel.blue() - face.blue()) > 2 || pixel.alpha() != 255) {
                        ++visible;
                    }
                }
            }
            QVERIFY2(visible == 0, qPrintable(QStringLiteral("at %1x").arg(ratio)));
        }
    }

    void stepModePlaysExactlyOneTurnPerClick() {
        Action("StepByStep")->trigger();
        QCOMPARE(Timer1()->interval(), 1);
        QVERIFY2(!Timer1()->isActive(), "a pace command starts nothing");
        for (std::size_t click = 1; click <= 3; ++click) {
            ClickContinue();
            QTRY_VERIFY(ContinueButton()->isEnabled());
            QCOMPARE(Draws(), 3 * click);
            QCOMPARE(ContinueButton()->text(), QStringLiteral("Continue"));
            QVERIFY(PlaysNoFurtherTurn());
        }
        QCOMPARE(Draws(), 9u);
    }

    void paceCommandsSetIntervalAndChecksOnly() {
        Action("Slow")->trigger();
        QCOMPARE(Timer1()->interval(), 1000);
        QVERIFY(Action("Slow")->isChecked());
        QVERIFY(!Action("Fast")->isChecked());
        ClickContinue();
        Action("Fast")->trigger();
        QVERIFY2(Timer1()->isActive(), "changing pace while running keeps the race going");
        QCOMPARE(Timer1()->interval(), 150);
    }

    void aRaceEndsByItselfAndRestartPutsEveryoneBack() {
        ScriptATenTurnRace();
        ClickContinue();
        QTRY_COMPARE_WITH_TIMEOUT(ContinueButton()->text(), QStringLiteral("Restart"), 20000);
        QVERIFY(ContinueButton()->isEnabled());
        QVERIFY(!Timer1()->isActive());
        QCOMPARE(Draws(), 30u); // ten turns of 21 reach 200
        QCOMPARE(Score(1)->text(), QStringLiteral(" 210"));
        QCOMPARE(Marker(0)->ExactPosition().x(),
                 static_cast<double>(static_cast<float>(210.0 / 200 * 637 + 1)));

        ClickContinue();
        QCOMPARE(ContinueButton()->text(), QStringLiteral("Start"));
        QVERIFY(ContinueButton()->isEnabled());
        QVERIFY2(!Timer1()->isActive(), "a restart starts no turn");
        for (int slot = 0; slot < 3; ++slot) {
            QCOMPARE(Marker(slot)->ExactPosition().x(), 1.0);
            QCOMPARE(Square(slot)->ExactPosition().x(), 0.0);
            QCOMPARE(PlayerDice(slot)->CurrentPicture(), Picture::Die1);
            QCOMPARE(Score(slot)->text(), QStringLiteral(" 210")); // kept until the next turn
            QVERIFY(ModeButton("Medium", slot)->isChecked());
        }
        QCOMPARE(Window->State().Scores[0], 0.0);
    }

    void aRaceEndingInStepModeOffersRestart() {
        Action("StepByStep")->trigger();
        Dice->Script(std::vector<std::int16_t>(300, 6));
        for (int turn = 0; turn < 40 && ContinueButton()->text() != "Restart"; ++turn) {
            ClickContinue();
            QTRY_VERIFY(ContinueButton()->isEnabled());
        }
        QCOMPARE(ContinueButton()->text(), QStringLiteral("Restart"));
        QCOMPARE(Draws(), 34u * 3); // 34 sixes make 204
    }

    void markersStandAtTheirShareOfTheLane() {
        Action("TwoPlayers")->trigger();
        std::vector<std::int16_t> dice;
        for (int turn = 0; turn < 16; ++turn) {
            dice.insert(dice.end(), {6, 1});
        }
        dice.insert(dice.end(), {4, 1});
        Dice->Script(dice);
        for (int turn = 0; turn < 17; ++turn) {
            PlayTurn();
        }
        QCOMPARE(Score(0)->text(), QStringLiteral(" 100"));
        QCOMPARE(Square(0)->ExactPosition(), QPointF(318.5, 8));
        QCOMPARE(Marker(0)->ExactPosition(), QPointF(319.5, 9));
        QCOMPARE(Marker(0)->pos().x() - Square(0)->pos().x(), 1); // rounded alike
        QCOMPARE(PlayerDice(0)->CurrentPicture(), Picture::Die4);
        QCOMPARE(Square(1)->ExactPosition().y(), 43.0);
        QCOMPARE(Marker(1)->ExactPosition().x(),
                 static_cast<double>(static_cast<float>(17.0 / 200 * 637 + 1)));

        // A new finish line moves nobody until the next turn.
        Action("Finish500")->trigger();
        QCOMPARE(Marker(0)->ExactPosition(), QPointF(319.5, 9));
        Dice->Script({1, 1});
        PlayTurn();
        QCOMPARE(Marker(0)->ExactPosition().x(),
                 static_cast<double>(static_cast<float>(101.0 / 500 * 637 + 1)));
    }

    void playerCountShowsAndHidesWholeSlots() {
        Action("TwoPlayers")->trigger();
        for (int slot = 0; slot < 6; ++slot) {
            const bool racing = slot < 2;
            for (const char* control :
                 {"PlayerMode", "PlayerScore", "PlayerDice", "MovingImage", "Backdrop"}) {
                QVERIFY2(Find(*Window, control, slot)->isVisible() == racing,
                         qPrintable(QString::fromUtf8(control) + QString::number(slot)));
            }
        }
        QVERIFY2(Find(*Window, "Label1", 2)->isVisible(), "the column heads stay");
        QVERIFY(Action("TwoPlayers")->isChecked());
        QVERIFY(!Action("ThreePlayers")->isChecked());

        Action("SixPlayers")->trigger();
        for (int slot = 0; slot < 6; ++slot) {
            QVERIFY(Marker(slot)->isVisible());
            QCOMPARE(Marker(slot)->ExactPosition(), QPointF(1, 35 * slot + 9));
        }
    }

    void modeButtonsChangeTheMarkerAtOnceAndOnlyInTheirBox() {
        ClickMode("High", 1);
        QVERIFY(ModeButton("High", 1)->isChecked());
        QVERIFY(!ModeButton("Regular", 1)->isChecked());
        QVERIFY2(ModeButton("Regular", 0)->isChecked(), "another box keeps its selection");
        QCOMPARE(Marker(1)->CurrentPicture(), Picture::GoSign);
        ClickMode("Low", 2);
        QCOMPARE(Marker(2)->CurrentPicture(), Picture::Handshake);

        Dice->Script({6, 1, 2});
        PlayTurn();
        QCOMPARE(Marker(1)->CurrentPicture(), Picture::StopSign);
        QCOMPARE(Score(1)->text(), QStringLiteral(" 0"));
        QCOMPARE(Score(2)->text(), QStringLiteral(" 3"));
        QCOMPARE(Marker(2)->CurrentPicture(), Picture::Handshake);
    }

    void scoreBoxesTakeNeitherFocusNorInput() {
        QLineEdit* score = Score(0);
        QVERIFY(!score->isEnabled());
        QCOMPARE(score->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(score, Qt::LeftButton);
        QVERIFY(Window->focusWidget() != score);
        QTest::keyClicks(score, QStringLiteral("99"));
        QCOMPARE(score->text(), QStringLiteral("0"));
    }

    void markersShowTheirLaneColourThroughAndLieInFront() {
        const QImage client = Window->centralWidget()->grab().toImage();
        // Corners of the markers' pictures are transparent: the square's colour shows.
        QCOMPARE(client.pixelColor(2, 10), Yellow);
        QCOMPARE(client.pixelColor(2, 35 + 10), Navy);
        QCOMPARE(client.pixelColor(17, 9 + 16), Yellow); // the smiley's face is yellow too

        const QObjectList stack = Window->centralWidget()->children();
        for (int marker = 0; marker < 6; ++marker) {
            for (int square = 0; square < 6; ++square) {
                QVERIFY(stack.indexOf(Marker(marker)) > stack.indexOf(Square(square)));
            }
        }
    }

    void everyPictureIsDrawnAnewAtTheScreensPixelRatio() {
        std::vector<std::pair<QString, QWidget*>> pictures;
        std::vector<std::unique_ptr<ImageBox>> boxes;
        for (Picture picture : AllPictures) {
            const bool die = picture >= Picture::Die1 && picture <= Picture::Die6;
            auto& box = boxes.emplace_back(std::make_unique<ImageBox>(nullptr, picture));
            box->resize(die ? layout::DiceSize : layout::MarkerSize);
            pictures.emplace_back(DescriptionOf(picture), box.get());
        }
        AboutPlovari about(Window.get());
        pictures.emplace_back(QStringLiteral("the About window's icon"), Find(about, "Image1"));

        QStringList problems;
        for (const auto& [name, widget] : pictures) {
            const QString problem = ProblemAtTwiceThePixels(*widget);
            if (!problem.isEmpty()) {
                problems << name + QStringLiteral(": ") + problem;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    void tabOrderFollowsTheDesign() {
        QList<QWidget*> expected{
            ModeButton("Low", 0),    ModeButton("Regular", 0), ModeButton("High", 0),
            ModeButton("Medium", 0), ContinueButton(),         TempText(),
            ModeButton("Medium", 1), ModeButton("High", 1),    ModeButton("Regular", 1),
            ModeButton("Low", 1),    ModeButton("Medium", 2)};
        QWidget* widget = expected.first();
        for (qsizetype next = 1; next < expected.size(); ++next) {
            do {
                widget = widget->nextInFocusChain();
            } while (!expected.contains(widget));
            QCOMPARE(widget, expected.at(next));
        }
    }

    void turnsGoOnSafelyWhileAModalWindowIsOpen() {
        ClickContinue();
        bool turnsWentOn = false;
        QDialog dialog(Window.get());
        const bool modal =
            WhileModal([&] { dialog.exec(); },
                       [&](QWidget&) {
                           // Each tick gives the key catcher the focus, which waits for the
                           // window's return.
                           const std::size_t before = Draws();
                           turnsWentOn = QTest::qWaitFor([&] { return Draws() >= before + 9; });
                       });
        QVERIFY(modal);
        QVERIFY2(turnsWentOn, "turns go on while the modal window is open");
        QVERIFY(Timer1()->isActive());
        QCOMPARE(ContinueButton()->text(), QStringLiteral("Continue"));
        QCOMPARE(Window->focusWidget(), TempText());
        SKIP_WITHOUT(ActiveWindow); // the rest is the window's return
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
        QCOMPARE(QApplication::focusWidget(), TempText());
        QTest::keyClick(TempText(), Qt::Key_P);
        QVERIFY(!Timer1()->isActive());
    }
};

QTEST_MAIN(BoardTest)
#include "BoardTest.moc"
