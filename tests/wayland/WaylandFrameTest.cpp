// The title bar's maximize on a Wayland compositor, as Qt's own decorations send it: the
// window takes the maximized state that the compositor would then require it to fill. A
// compositor that finds the window smaller ends its connection, and the game exits; so here a
// test fails by the process ending.
#include "AboutPlovari.h"
#include "GameWindow.h"
#include "WindowFrame.h"

#include <QApplication>
#include <QWindow>

using namespace plovari;
using namespace plovari::testing;

namespace {

/// What the maximize button of Qt's decorations does.
void ClickMaximize(QWindow& window) {
    window.setWindowStates(window.windowStates() ^ Qt::WindowMaximized);
}

/// Lets the compositor answer and the window commit its answer in turn; a protocol error
/// arrives within this time and ends the process.
void LetTheCompositorAnswer(QWidget& window) {
    for (int frame = 0; frame < 5; ++frame) {
        window.update();
        QTest::qWait(100);
    }
}

} // namespace

class WaylandFrameTest : public QObject, private GameWindow {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!OnWayland()) {
            QSKIP("the rules checked here are a Wayland compositor's");
        }
    }
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void maximizingTheMainWindowLeavesTheRaceRunning() {
        const QSize size = Window->size();
        ClickContinue();
        ClickMaximize(*Window->windowHandle());
        LetTheCompositorAnswer(*Window);
        QVERIFY(!(Window->windowState() & Qt::WindowMaximized));
        QCOMPARE(Window->size(), size);
        QVERIFY(Timer1()->isActive());
        QTest::keyClick(TempText(), Qt::Key_P);
        QVERIFY(!Timer1()->isActive());
    }

    void maximizingTheAboutWindowLeavesTheRaceRunning() {
        ClickContinue();
        QSize before;
        QSize after;
        Qt::WindowStates state;
        QTimer::singleShot(0, this, [&] {
            auto* about = Window->findChild<AboutPlovari*>();
            if (about == nullptr || about->windowHandle() == nullptr) {
                return; // no window to close; the checks below fail
            }
            before = about->size();
            ClickMaximize(*about->windowHandle());
            LetTheCompositorAnswer(*about);
            after = about->size();
            state = about->windowState();
            about->close();
        });
        Action("About")->trigger();
        QVERIFY(before.isValid());
        QCOMPARE(after, before);
        QVERIFY(!(state & Qt::WindowMaximized));
        QVERIFY(Timer1()->isActive());
    }

    void theAboutWindowOffersNoMaximizeAndShowsNoIcon() {
        AboutPlovari about(Window.get());
        QVERIFY(about.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QImage icon = about.windowIcon().pixmap(22, 22).toImage();
        QVERIFY(!icon.isNull());
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                QCOMPARE(qAlpha(icon.pixel(x, y)), 0);
            }
        }
    }
};

QTEST_MAIN(WaylandFrameTest)
#include "WaylandFrameTest.moc"
