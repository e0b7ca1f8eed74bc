#pragma once

// A main window with scripted dice, and the ways a player reaches its controls.
#include "FakeBoard.h"
#include "PlovariMainForm.h"

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

    /// Shows a fresh window, active, in its ready state.
    bool Open() {
        auto dice = std::make_unique<fakes::ScriptedDice>();
        Dice = dice.get();
        return OpenWith(std::move(dice));
    }
    /// Shows a fresh window, active, in its ready state, rolling dice from `random`.
    bool OpenWith(std::unique_ptr<RandomSource> random) {
        Window = std::make_unique<PlovariMainForm>(std::move(random));
        Window->show();
        if (!QTest::qWaitForWindowExposed(Window.get())) {
            return false;
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

    void ClickContinue() { QTest::mouseClick(ContinueButton(), Qt::LeftButton); }
    void ClickMode(const char* mode, int slot) {
        QRadioButton* button = ModeButton(mode, slot);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    /// Clicks the hidden "Do Turn" button, as code may: one turn, with no timer.
    void PlayTurn() { Find<QPushButton>(*Window, "DoTurn")->click(); }
};

} // namespace plovari::testing
