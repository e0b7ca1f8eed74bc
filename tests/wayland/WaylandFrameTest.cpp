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

/// Clicks maximize as Qt's title bar does, and waits until the window has taken the size the
/// compositor offers and is back at its own, in the normal state. Returns whether it got there.
bool MaximizeAndWaitForReturn(QWindow& window) {
    const QSize own = window.size();
    bool filled = false;
    const QMetaObject::Connection watch = QObject::connect(
        &window, &QWindow::widthChanged, [&] { filled = filled || window.width() > own.width(); });
    window.setWindowStates(window.windowStates() ^ Qt::WindowMaximized);
    const bool back = QTest::qWaitFor([&] {
        return filled && window.size() == own && !(window.windowStates() & Qt::WindowMaximized);
    });
    QObject::disconnect(watch);
    return back;
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
        QVERIFY(MaximizeAndWaitForReturn(*Window->windowHandle()));
        QCOMPARE(Window->size(), size);
        QVERIFY(Timer1()->isActive());
        QTest::keyClick(TempText(), Qt::Key_P);
        QVERIFY(!Timer1()->isActive());
    }

    void maximizingTheAboutWindowLeavesTheRaceRunning() {
        ClickContinue();
        bool exposed = false;
        bool back = false;
        const bool shown =
            WhileModal([this] { Action("About")->trigger(); },
                       [&](QWidget& about) {
                           // A player clicks a window that shows, after the compositor's first
                           // answer: a maximize asked for before it would meet a window not yet
                           // configured.
                           exposed = QTest::qWaitForWindowExposed(&about);
                           back = exposed && MaximizeAndWaitForReturn(*about.windowHandle());
                       });
        QVERIFY(shown);
        QVERIFY(exposed);
        QVERIFY2(back, "About takes the maximized size for a moment and returns to its own");
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
