// The mode panel under every Qt style that setup installs and under a dark palette: the column
// heads stand over their buttons and the scores stay legible; and on every player's colour the
// selected mode button and the focused one stand out. Judged by the pixels the window draws.
#include "GameWindow.h"
#include "HeadsOverButtons.h"
#include "Layout.h"
#include "OptionButton.h"

#include <QApplication>
#include <QStyleFactory>
#include <algorithm>

using namespace plovari;
using namespace plovari::testing;

namespace {

/// What a pixel must reach against its background to count as seen (the ratio asked of
/// the parts of a control that carry its state).
constexpr double Visible = 3.0;
/// What text must reach against its background to be legible.
constexpr double Legible = 4.5;

/// A dark palette of the kind desktop themes set, on a style that has none of its own.
QPalette DarkPalette() {
    QPalette palette(QColor(53, 53, 53), QColor(53, 53, 53));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, QColor(238, 238, 236));
        palette.setColor(group, QPalette::ButtonText, QColor(238, 238, 236));
        palette.setColor(group, QPalette::Text, QColor(238, 238, 236));
        palette.setColor(group, QPalette::Base, QColor(42, 42, 42));
    }
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(53, 53, 53));
    return palette;
}

/// The smallest rectangle holding every pixel that stands out from `back`, and how many do.
struct Marks {
    QRect Bounds;
    int Count = 0;
};

Marks MarksOn(const QImage& image, const QColor& back) {
    Marks marks;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (ContrastRatio(image.pixelColor(x, y), back) >= Visible) {
                marks.Bounds |= QRect(x, y, 1, 1);
                ++marks.Count;
            }
        }
    }
    return marks;
}

/// The pixels of `changed` that differ visibly from the same pixels of `before`.
Marks Changes(const QImage& before, const QImage& changed) {
    Marks marks;
    for (int y = 0; y < changed.height(); ++y) {
        for (int x = 0; x < changed.width(); ++x) {
            if (ContrastRatio(changed.pixelColor(x, y), before.pixelColor(x, y)) >= Visible) {
                marks.Bounds |= QRect(x, y, 1, 1);
                ++marks.Count;
            }
        }
    }
    return marks;
}

/// The colour most pixels of `image` have: a box's background.
QColor MostCommonColour(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return QColor::fromRgb(most.key());
}

QImage Drawn(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class StyleTest : public QObject, private GameWindow {
    Q_OBJECT

    /// Opens the window with six players in High mode who have all scored, the focus on the
    /// key catcher.
    bool OpenSixScoringRacers() {
        if (!Open()) {
            return false;
        }
        Action("SixPlayers")->trigger();
        for (int slot = 0; slot < 6; ++slot) {
            ClickMode("High", slot);
        }
        Dice->Script({6, 6, 6, 6, 6, 6});
        PlayTurn(); // every player holds the highest die and scores
        TempText()->setFocus();
        return true;
    }

private slots:
    void cleanup() {
        Close();
        // A palette that sets nothing hands the colours back to the style.
        QApplication::setPalette(QPalette());
    }

    void modePanelReadsInEveryStyle_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("dark");
        for (const char* style : {"Fusion", "Windows", "Adwaita", "Adwaita-Dark", "HighContrast",
                                  "HighContrastInverse", "qt6ct-style"}) {
            QTest::newRow(style) << QString::fromUtf8(style) << false;
        }
        QTest::newRow("Fusion, dark palette") << QStringLiteral("Fusion") << true;
    }

    void modePanelReadsInEveryStyle() {
        QFETCH(QString, style);
        QFETCH(bool, dark);
        // A plugin is listed by its metadata alone, and may still fail to load.
        const bool listed = QStyleFactory::keys().contains(style, Qt::CaseInsensitive);
        if (!listed || QApplication::setStyle(style) == nullptr) {
            // Setup installs every style named here: in CI one missing or not loading is a fault.
            const QString why = listed ? QStringLiteral("Qt cannot load the style %1").arg(style)
                                       : QStringLiteral("the style %1 is not installed").arg(style);
            if (qEnvironmentVariable("CI") == QLatin1String("true")) {
                QFAIL(qPrintable(why));
            }
            QSKIP(qPrintable(why));
        }
        if (dark) {
            QApplication::setPalette(DarkPalette());
        }
        QVERIFY(OpenSixScoringRacers());

        const QStringList offCentre = HeadsOffTheirButtons(*Find<QGroupBox>(*Window, "ModeFrame"));
        QVERIFY2(offCentre.isEmpty(), qPrintable(offCentre.join(QLatin1Char('\n'))));

        for (int slot = 0; slot < 6; ++slot) {
            // Inside the box's frame, where only its background and its digits are.
            QLineEdit* box = Score(slot);
            const QImage score = Drawn(*box).copy(box->rect().adjusted(4, 4, -4, -4));
            const QColor base = MostCommonColour(score);
            double text = 1.0;
            for (int y = 0; y < score.height(); ++y) {
                for (int x = 0; x < score.width(); ++x) {
                    text = std::max(text, ContrastRatio(score.pixelColor(x, y), base));
                }
            }
            QVERIFY2(
                text >= Legible,
                qPrintable(
                    QStringLiteral("score of player %1: %2 : 1").arg(slot).arg(text, 0, 'f', 1)));
        }
    }

    // The mode buttons draw themselves alike under every style, so once is enough here.
    void modeButtonsMarkTheSelectionAndTheFocusOnEveryColour() {
        QVERIFY(OpenSixScoringRacers());
        for (int slot = 0; slot < 6; ++slot) {
            const QColor back = layout::PlayerColours.at(static_cast<std::size_t>(slot)).Fill;
            QRadioButton* regular = ModeButton("Regular", slot);
            const QImage unchecked = Drawn(*regular);
            const QImage checked = Drawn(*ModeButton("High", slot));
            // The selected one differs from the others by a mark of at least 3 x 3 pixels.
            const Marks dot = Changes(unchecked, checked);
            QVERIFY2(dot.Count >= 9, qPrintable(QStringLiteral("player %1").arg(slot)));
            QVERIFY(MarksOn(unchecked, back).Bounds.contains(dot.Bounds));

            // The focus mark stands out from the player's colour, navy and yellow alike.
            regular->setFocus(Qt::TabFocusReason);
            const Marks focused = MarksOn(Drawn(*regular), back);
            QVERIFY2(focused.Count >= MarksOn(unchecked, back).Count + 12,
                     qPrintable(QStringLiteral("focus on player %1").arg(slot)));
            TempText()->setFocus();
        }
    }
};

QTEST_MAIN(StyleTest)
#include "StyleTest.moc"
