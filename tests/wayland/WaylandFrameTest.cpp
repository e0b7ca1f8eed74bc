// A size that a Wayland compositor forces on the game's fixed-size windows, maximized or full
// screen: a compositor that finds the window smaller than it requires ends the connection and
// the game exits, so here a test fails by the process ending as well as by its checks.
#include "AboutPlovari.h"
#include "GameWindow.h"
#include "WindowFrame.h"

#include <QApplication>
#include <QWindow>

using namespace plovari;
using namespace plovari::testing;

namespace {

/// What a window showed while a size was forced on it and once it was let go.
struct Forced {
    bool Filled = false;   ///< it took the larger size
    bool BoardKept = true; ///< the board kept its designed place and size meanwhile
    bool Back = false;     ///< it is back at its own size, and its limits are that size
};

/// Asks for `state` as a title bar does, and waits until the window has taken the size the
/// compositor offers and has left the state again. `board` is a control of the board, which
/// must stay where it is drawn.
Forced ForceAndWatch(QWidget& window, const QWidget& board, Qt::WindowState state) {
    QWindow& native = *window.windowHandle();
    const QSize own = window.size();
    const QRect place = board.geometry();
    Forced seen;
    const QMetaObject::Connection watch = QObject::connect(&native, &QWindow::widthChanged, [&] {
        seen.Filled = seen.Filled || native.width() > own.width();
        seen.BoardKept = seen.BoardKept && board.geometry() == place;
    });
    native.setWindowStates(state);
    seen.Back = QTest::qWaitFor([&] {
        return seen.Filled && window.size() == own && native.minimumSize() == own &&
               native.maximumSize() == own && native.windowStates() == Qt::WindowNoState;
    });
    QObject::disconnect(watch);
    return seen;
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

    void aForcedStateLeavesTheBoardAndTheRaceAlone_data() {
        QTest::addColumn<bool>("about");
        QTest::addColumn<int>("state");
        for (const bool about : {false, true}) {
            const char* window = about ? "About" : "main window";
            QTest::addRow("%s maximized", window) << about << int(Qt::WindowMaximized);
            QTest::addRow("%s full screen", window) << about << int(Qt::WindowFullScreen);
        }
    }
    void aForcedStateLeavesTheBoardAndTheRaceAlone() {
        QFETCH(bool, about);
        QFETCH(int, state);
        ClickContinue();
        Forced seen;
        if (!about) {
            seen = ForceAndWatch(*Window, *Find(*Window, "Client"), Qt::WindowState(state));
        } else {
            QVERIFY(WhileModal([this] { Action("About")->trigger(); },
                               [&](QWidget& modal) {
                                   // A window that shows, as a player sees it: asked for before,
                                   // the state would meet a window the compositor has not yet
                                   // configured.
                                   if (QTest::qWaitForWindowExposed(&modal)) {
                                       seen = ForceAndWatch(modal, *Find(modal, "Label4"),
                                                            Qt::WindowState(state));
                                   }
                               }));
        }
        QVERIFY2(seen.Filled, "the window takes the size forced on it");
        QVERIFY2(seen.BoardKept, "the board stays at its designed place and size");
        QVERIFY2(seen.Back, "the window leaves the state, back at its own size and fixed");
        QVERIFY(Timer1()->isActive());
        QTest::keyClick(TempText(), Qt::Key_P);
        QVERIFY(!Timer1()->isActive());
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
