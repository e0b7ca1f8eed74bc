#pragma once

// A main window with scripted dice, and the ways a player reaches its controls.
#include "FakeBoard.h"
#include "PlovariMainForm.h"
#include "WindowFrame.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

namespace plovari::testing {

template <class Control = QWidget>
Control* Find(const QWidget& window, const QString& name) {
    auto* control = window.findChild<Control*>(name);
    if (control == nullptr) {
        qFatal("no control named %s", qPrintable(name));
    }
    return control;
}

template <class Control = QWidget>
Control* Find(const QWidget& window, const char* name, int slot) {
    return Find<Control>(window, QString::fromUtf8(name) + QString::number(slot));
}

/// What a window test may need of the platform beyond a window that shows.
enum class Needs {
    /// A window that becomes the active one when shown, so that a widget has the
    /// application's focus.
    ActiveWindow,
    /// Windows that the program places itself and whose places it learns.
    WindowPlaces,
};

/// Why the platform here lacks `need`, or null where it has it.
inline const char* WhyNot(Needs need) {
    // Set by the test run that starts a compositor without input devices.
    if (need == Needs::ActiveWindow && qEnvironmentVariableIsSet("PLOVARI_TEST_NO_SEAT")) {
        return "no window is ever activated on a compositor without a seat";
    }
    if (need == Needs::WindowPlaces && OnWayland()) {
        return "a Wayland compositor places the windows and tells no client where";
    }
    return nullptr;
}

/// Skips the running test, saying why, where the platform lacks `need` (a Needs value).
#define SKIP_WITHOUT(need)                                                                         \
    do {                                                                                           \
        if (const char* reason = plovari::testing::WhyNot(plovari::testing::Needs::need)) {        \
            QSKIP(reason);                                                                         \
        }                                                                                          \
    } while (false)

/// Runs `open`, which shows a modal window and waits in its event loop (QDialog::exec(), or a
/// command that does so), and calls `inside` from within that loop with the modal window.
/// Whatever `inside` does, an early return included, the modal window is closed right after
/// it, so `open` always returns and a failure never waits for the watchdog. `inside` only
/// acts and records; the checks on what it recorded come after this returns. Returns whether a
/// modal window was open for `inside` to run in.
inline bool WhileModal(const std::function<void()>& open,
                       const std::function<void(QWidget& modal)>& inside) {
    bool reached = false;
    QTimer probe; // gone when `open` returns, so it never fires outside the modal loop
    probe.setSingleShot(true);
    QObject::connect(&probe, &QTimer::timeout, &probe, [&] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        reached = true;
        inside(*modal);
        if (modal != nullptr && modal->isVisible()) {
            modal->close();
        }
    });
    probe.start(0);
    open();
    return reached;
}

/// Owns the window under test; Open() in a test's init(), Close() in its cleanup().
class GameWindow {
protected:
    std::unique_ptr<PlovariMainForm> Window;
    fakes::ScriptedDice* Dice = nullptr;

    /// Shows a fresh window in its ready state, active wherever windows become active.
    bool Open() {
        auto dice = std::make_unique<fakes::ScriptedDice>();
        Dice = dice.get();
        return OpenWith(std::move(dice));
    }
    /// Shows a fresh window in its ready state, rolling dice from `random`.
    bool OpenWith(std::unique_ptr<RandomSource> random) {
        Window = std::make_unique<PlovariMainForm>(std::move(random));
        Window->show();
        if (!QTest::qWaitForWindowExposed(Window.get())) {
            return false;
        }
        if (WhyNot(Needs::ActiveWindow) != nullptr) {
            return true;
        }
        Window->activateWindow();
        return QTest::qWaitForWindowActive(Window.get());
    }
    void Close() { Window.reset(); }

    QPushButton* ContinueButton() const { return Find<QPushButton>(*Window, "ContinueButton"); }
    QLineEdit* TempText() const { return Find<QLineEdit>(*Window, "TempText"); }
    QTimer* Timer1() const { return Window->findChild<QTimer*>(QStringLiteral("Timer1")); }
    QLineEdit* Score(int slot) const { return Find<QLineEdit>(*Window, "PlayerScore", slot); }
    ImageBox* Marker(int slot) const { return Find<ImageBox>(*Window, "MovingImage", slot); }
    PlacedControl* Square(int slot) const { return Find<PlacedControl>(*Window, "Backdrop", slot); }
    ImageBox* PlayerDice(int slot) const { return Find<ImageBox>(*Window, "PlayerDice", slot); }
    QRadioButton* ModeButton(const char* mode, int slot) const {
        return Find<QRadioButton>(*Window, mode, slot);
    }
    QAction* Action(const char* name) const {
        auto* action = Window->findChild<QAction*>(QString::fromUtf8(name));
        if (action == nullptr) {
            qFatal("no menu item named %s", name);
        }
        return action;
    }
    /// Turns played since the dice were last scripted, counted by the dice drawn.
    std::size_t Draws() const { return Dice->Position; }
    /// Whether play has stopped: the timer off, and no turn played while every event already
    /// due, a tick that fell due before the stop included, is handled.
    bool PlaysNoFurtherTurn() {
        const std::size_t before = Draws();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return !Timer1()->isActive() && Draws() == before;
    }

    void ClickContinue() { QTest::mouseClick(ContinueButton(), Qt::LeftButton); }
    void ClickMode(const char* mode, int slot) {
        QRadioButton* button = ModeButton(mode, slot);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    /// Scripts a race of three that ends after its tenth turn: all in Medium mode, all rolling
    /// sixes, so each gains 21 points a turn by its two matches.
    void ScriptATenTurnRace() {
        for (int slot = 0; slot < 3; ++slot) {
            ClickMode("Medium", slot);
        }
        Dice->Script(std::vector<std::int16_t>(std::size_t{3} * 10, 6));
    }
    /// Clicks the hidden "Do Turn" button, as code may: one turn, with no timer.
    void PlayTurn() { Find<QPushButton>(*Window, "DoTurn")->click(); }
};

} // namespace plovari::testing
