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

/// Asks for `state` as a title bar does, and waits until the window has taken the size the
/// compositor offers and has left the state again; returns what went wrong, if anything.
/// `board`: a control of the board, which must stay where it is drawn.
const char* ForceAndWatch(QWidget& window, const QWidget& board, int state) {
    QWindow& native = *window.windowHandle();
    const QSize own = window.size();
    const QRect place = board.geometry();
    bool filled = false;
    bool kept = true;
    const QMetaObject::Connection watch = QObject::connect(&native, &QWindow::widthChanged, [&] {
        filled = filled || native.width() > own.width();
        kept = kept && board.geometry() == place;
    });
    native.setWindowStates(Qt::WindowState(state));
    const bool back = QTest::qWaitFor([&] {
        return filled && window.size() == own && native.minimumSize() == own &&
               native.maximumSize() == own && native.windowStates() == Qt::WindowNoState;
    });
    QObject::disconnect(watch);
    return !filled ? "the window did not take the forced size"
           : !kept ? "the board left its designed place or size"
           : !back ? "the window did not come back to its own size, fixed"
                   : nullptr;
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
        const char* failure = "About did not show";
        if (!about) {
            failure = ForceAndWatch(*Window, *Find(*Window, "Client"), state);
        } else {
            WhileModal([this] { Action("About")->trigger(); },
                       [&](QWidget& modal) {
                           // Asked for before the window shows, the state would meet a window the
                           // compositor has not yet configured.
                           if (QTest::qWaitForWindowExposed(&modal)) {
                               failure = ForceAndWatch(modal, *Find(modal, "Label4"), state);
                           }
                       });
        }
        QVERIFY2(failure == nullptr, failure);
        QVERIFY(Timer1()->isActive());
        QTest::keyClick(TempText(), Qt::Key_P);
        QVERIFY(!Timer1()->isActive());
    }

    void theAboutWindowShowsNoIcon() {
        AboutPlovari about(Window.get());
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
