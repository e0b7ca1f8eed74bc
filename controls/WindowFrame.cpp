#include "WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace plovari {

namespace {

constexpr Qt::WindowStates FillingStates = Qt::WindowMaximized | Qt::WindowFullScreen;

/// Watches its window's native window from the moment it exists.
class MaximizeRefusal final : public QObject {
public:
    explicit MaximizeRefusal(QWidget& window)
        : QObject(&window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A widget's native window exists by the time it is shown, and may be made anew after
        // it was hidden.
        if (event->type() == QEvent::Show) {
            QWindow* handle = static_cast<QWidget*>(watched)->windowHandle();
            if (handle != nullptr && handle != Watched) {
                Watched = handle;
                connect(handle, &QWindow::windowStateChanged, this, [this] { Follow(); });
            }
        }
        if (event->type() == QEvent::Paint && Releasing) {
            // Painted at the full size: once this paint has gone to the compositor, the
            // normal state can be asked for.
            Releasing = false;
            QTimer::singleShot(0, this, [this] {
                if (Watched != nullptr) {
                    Watched->setWindowStates(Watched->windowStates() & ~FillingStates);
                }
            });
        }
        return false;
    }

private:
    // The compositor answers a request for the maximized state with the size to take, and Qt
    // acknowledges that answer before the program hears of it; nor does the compositor take
    // the request back before the window has once shown itself at that size. So the window
    // takes it for a moment: its size limits are lifted as the request goes out, the normal
    // state is asked for once the window has been painted at the full size, and the limits
    // come back when the window has its own size again. Until the full size has come, a
    // normal state heard of is an answer to something else that crossed the request on its
    // way (the window becoming active, say), and the limits stay lifted for the answer still
    // to come. (A compositor that refuses the state outright leaves them lifted: the window
    // may then be resized, which ends nothing.)
    void Follow() {
        QWindow& window = *Watched;
        if (window.windowStates() & FillingStates) {
            if (!Lifted) {
                Lifted = true;
                Filled = false;
                Fixed = window.maximumSize();
                window.setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
            }
            Releasing = window.size() != Fixed;
            Filled = Filled || Releasing;
        } else if (Lifted && Filled && window.size() == Fixed) {
            Lifted = false;
            window.setMaximumSize(Fixed);
        }
    }

    QPointer<QWindow> Watched;
    bool Lifted = false;
    bool Filled = false; // the window has had the full size since its limits were lifted
    bool Releasing = false;
    QSize Fixed;
};

} // namespace

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void KeepOutOfMaximized(QWidget& window) {
    if (OnWayland()) {
        new MaximizeRefusal(window);
    }
}

QIcon NoIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace plovari
