#include "WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <QWindow>
// The one way to keep Qt's Wayland client from bounding a size that a compositor forces:
// the limits it bounds by are the native window's, which these give access to.
#include <QtGui/private/qwindow_p.h>
#include <qpa/qplatformwindow.h>

namespace plovari {

namespace {

constexpr Qt::WindowStates FillingStates = Qt::WindowMaximized | Qt::WindowFullScreen;

/// An icon that shows nothing.
QIcon NoIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

Qt::WindowFlags WindowFrame::Flags(Kind kind) {
    const Qt::WindowFlags common = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (kind == Kind::Main) {
        return Qt::Window | common;
    }
    Qt::WindowFlags flags = Qt::Dialog | common | Qt::WindowMinimizeButtonHint;
    if (!OnWayland()) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

WindowFrame::WindowFrame(QWidget& window, Kind kind)
    : QObject(&window)
    , Window(window) {
    setObjectName(QStringLiteral("WindowFrame"));
    if (OnWayland()) {
        if (kind == Kind::Dialog) {
            window.setWindowIcon(NoIcon());
        }
        window.installEventFilter(this);
    }
}

WindowFrame::~WindowFrame() = default;

void WindowFrame::Hold(QWidget& board, QSize size) {
    board.setFixedSize(size);
    if (&board != &Window && Window.layout() != nullptr) {
        Window.layout()->setSizeConstraint(QLayout::SetFixedSize);
        // Under a forced size the board stays under the menus, which are fitted to its width.
        Window.layout()->setAlignment(&board, Qt::AlignLeft | Qt::AlignTop);
    }
}

// How a compositor's configure reaches the window: Qt's Wayland client applies it in a queued
// call on its platform window, or at the end of a paint that was under way when it came, and
// bounds the offered size by the native window's limits before it acknowledges it. A client
// that then shows a maximized window at less than the offered size has its connection ended,
// and a full-screen one shows on black. So while such a call or paint runs, the limits that Qt
// bounds by are lifted; only those: the compositor goes on reading the window's own size as its
// least and largest. The report of the state that follows every configure then settles the
// window: forced, it keeps the size given; let go, it goes back to its own.
bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &Window && type == QEvent::Show) {
        Watch();
    }
    const bool applies = (watched == Surface && type == QEvent::MetaCall) ||
                         (watched == &Window && type == QEvent::UpdateRequest);
    if (applies && Handle != nullptr) {
        ++Applying;
        Release();
        // QObject::event is public; the widget's override is reached through it.
        static_cast<QObject*>(watched)->event(event);
        --Applying;
        Settle();
        return true;
    }
    if (watched == &Window && type == QEvent::Paint && Forced && !Asked) {
        // Shown at the forced size, which a compositor waits for before it takes a state back:
        // the window asks to leave it, once. A compositor that keeps it (one that shows only
        // full-screen windows, or a rule that forces the state) then has its way.
        Asked = true;
        QTimer::singleShot(0, this, [this] {
            if (Handle != nullptr && Forced) {
                Handle->setWindowStates(Handle->windowStates() & ~FillingStates);
            }
        });
    }
    if (watched == Handle && type == QEvent::WindowStateChange && event->spontaneous()) {
        // Only the window system's report is spontaneous; the state that the program asks for
        // changes at once, before the compositor has answered.
        Forced = (Handle->windowStates() & FillingStates) != 0;
        if (Forced) {
            Release();
        } else {
            Asked = false;
            Bound();
            if (Handle->size() != Window.minimumSize()) {
                Handle->resize(Window.minimumSize());
            }
        }
    }
    return false;
}

void WindowFrame::Watch() {
    // The native window exists by the time its widget is shown, and may be made anew after
    // it was hidden.
    QWindow* handle = Window.windowHandle();
    if (handle == nullptr || handle == Handle) {
        return;
    }
    Handle = handle;
    Handle->installEventFilter(this);
    Surface = handle->handle() != nullptr ? dynamic_cast<QObject*>(handle->handle()) : nullptr;
    if (Surface != nullptr) {
        Surface->installEventFilter(this);
    }
}

void WindowFrame::Release() {
    QWindowPrivate& native = *QWindowPrivate::get(Handle);
    native.minimumSize = QSize(0, 0);
    native.maximumSize = QSize(QWINDOWSIZE_MAX, QWINDOWSIZE_MAX);
}

void WindowFrame::Settle() {
    // Bound again only at the window's own size: a size forced by a configure just applied
    // is kept until the compositor's report of the state says whether it still holds.
    if (Applying == 0 && Handle != nullptr && !Forced && Handle->size() == Window.minimumSize()) {
        Bound();
    }
}

void WindowFrame::Bound() {
    // As Qt copies a widget's limits to its native window.
    QWindowPrivate& native = *QWindowPrivate::get(Handle);
    native.minimumSize = Window.minimumSize();
    native.maximumSize = Window.maximumSize();
}

} // namespace plovari
