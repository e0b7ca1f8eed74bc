// Every fixed text shows whole at the user's font, from small to large, in English and in every
// shipped language, in every state of a race to 1000 that ends above 1000.
#include "AboutPlovari.h"
#include "FixedTexts.h"
#include "GameWindow.h"
#include "HeadsOverButtons.h"

#include <QApplication>
#include <QMenuBar>
#include <QSet>
#include <QTranslator>
#include <memory>

using namespace plovari;
using namespace plovari::testing;

class TextFitTest : public QObject, private GameWindow {
    Q_OBJECT

    QFont UsersFont;
    std::unique_ptr<QTranslator> Translator;

    /// The room one column head has: up to the next mode button, above the mode box.
    QSize HeadRoom() const {
        const QWidget* box = Find(*Window, "PlayerMode", 0);
        return {ModeButton("Regular", 0)->x() - ModeButton("Low", 0)->x() - 1,
                box->y() - Find(*Window, "Label1", 0)->y()};
    }

    /// The fixed texts of the main window that do not show whole, and logs the fonts chosen.
    QStringList Problems(const char* state) const {
        qInfo("%s: scores %.2f pt, button %.2f pt, heads %.2f pt, menu bar %.2f pt", state,
              Score(0)->font().pointSizeF(), ContinueButton()->font().pointSizeF(),
              Find(*Window, "Label1", 0)->font().pointSizeF(),
              Window->menuBar()->font().pointSizeF());
        QStringList problems = FixedTextProblems(*Window, HeadRoom());
        problems << HeadsOffTheirButtons(*Find<QGroupBox>(*Window, "ModeFrame"));
        for (QString& problem : problems) {
            problem.prepend(QString::fromUtf8(state) + QStringLiteral(": "));
        }
        return problems;
    }

private slots:
    void initTestCase() { UsersFont = QApplication::font(); }
    void cleanup() {
        Close();
        QApplication::setFont(UsersFont);
        if (Translator != nullptr) {
            QCoreApplication::removeTranslator(Translator.get());
            Translator.reset();
        }
    }

    void everyFixedTextShowsWholeInARaceTo1000_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qreal>("points");
        const QStringList languages =
            QStringLiteral("en " PLOVARI_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& language : languages) {
            for (qreal points : {8.0, 9.0, 11.0, 12.0, 14.0, 17.0, 20.0}) {
                QTest::addRow("%s %g pt", qPrintable(language), points) << language << points;
            }
        }
    }
    void everyFixedTextShowsWholeInARaceTo1000() {
        QFETCH(QString, language);
        QFETCH(qreal, points);
        if (language != QLatin1String("en")) {
            Translator = std::make_unique<QTranslator>();
            QVERIFY(Translator->load(QStringLiteral(":/i18n/plovari_%1.qm").arg(language)));
            QCoreApplication::installTranslator(Translator.get());
        }
        QFont font = UsersFont;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        QVERIFY(Open());
        QStringList problems = Problems("ready");

        Action("SixPlayers")->trigger();
        Action("Finish1000")->trigger();
        for (int slot = 0; slot < 6; ++slot) {
            ClickMode("Medium", slot); // five matches of 4.2 each turn: 21 points
        }
        Dice->Script(std::vector<std::int16_t>(std::size_t{6} * 48, 6));
        Timer1()->setInterval(0); // the first tick at once: the texts are under test, not the pace
        ClickContinue();
        QTRY_COMPARE(ContinueButton()->text(), PlovariMainForm::CaptionText(Caption::Continue));
        QTest::keyClick(TempText(), Qt::Key_Space);
        QVERIFY(!Timer1()->isActive());
        problems << Problems("paused");

        const QString restart = PlovariMainForm::CaptionText(Caption::Restart);
        while (ContinueButton()->text() != restart && Draws() < std::size_t{6} * 48) {
            PlayTurn();
        }
        QCOMPARE(Score(5)->text(), QStringLiteral(" 1008"));
        problems << Problems("finished");

        AboutPlovari about(Window.get());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        problems << FixedTextProblems(about);
        QSet<int> sizes; // in pixels, as the labels show
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            sizes << QFontInfo(label->font()).pixelSize();
        }
        if (sizes.size() != 1) {
            problems << QStringLiteral("About's labels in %1 font sizes").arg(sizes.size());
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void theDesignedFontStaysWhereItFits() {
        // At the platform's own 9-point font on a 96-dpi screen, every text but a four-digit
        // score and the narrow column heads fits as it is: those controls keep the user's font.
        if (UsersFont.pointSizeF() != 9 || qApp->primaryScreen()->logicalDotsPerInch() != 96) {
            QSKIP("made for the platform's 9-point font at 96 dpi");
        }
        QVERIFY(Open());
        Action("SixPlayers")->trigger();
        QWidgetList controls{ContinueButton(), Window->menuBar()};
        for (int slot = 0; slot < 6; ++slot) {
            controls << Score(slot);
        }
        AboutPlovari about(Window.get());
        controls << &about;
        for (const char* label : {"Label3", "Label4", "Label5"}) {
            controls << Find(about, QString::fromUtf8(label));
        }
        for (QWidget* control : controls) {
            QVERIFY2(!control->testAttribute(Qt::WA_SetFont), qPrintable(control->objectName()));
        }
    }

    void aNewUsersFontIsFittedAgain() {
        QVERIFY(Open());
        QFont font = UsersFont;
        font.setPointSizeF(14);
        QApplication::setFont(font);
        QVERIFY2(ContinueButton()->font().pointSizeF() < 14, "fitted to the new font");
        QCOMPARE(qApp->findChildren<QObject*>(QStringLiteral("plovari_text_fit_watcher")).size(),
                 1);
        const QStringList problems = FixedTextProblems(*Window, HeadRoom());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
