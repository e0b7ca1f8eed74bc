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
#include <array>
#include <cstring>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>
#include <wayland-client.h>

namespace plovari {

namespace {

constexpr Qt::WindowStates FillingStates = Qt::WindowMaximized | Qt::WindowFullScreen;

/// An icon that shows nothing.
QIcon NoIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

// The requests of GTK's shell protocol, version 1, up to the one that makes a surface a modal
// dialog: a compositor that knows no other way for a client to ask (mutter) places such a
// dialog over the window it belongs to. Qt's Wayland client does not speak this protocol.
extern const wl_interface GtkSurface;
std::array<const wl_interface*, 6> NoTypes{};
std::array<const wl_interface*, 2> NewSurfaceTypes{&GtkSurface, &wl_surface_interface};
std::array<const wl_interface*, 1> BellTypes{&GtkSurface};
const std::array<wl_message, 3> ShellRequests{{
    {"get_gtk_surface", "no", NewSurfaceTypes.data()},
    {"set_startup_id", "?s", NoTypes.data()},
    {"system_bell", "?o", BellTypes.data()},
}};
const std::array<wl_message, 1> ShellEvents{{{"capabilities", "u", NoTypes.data()}}};
const wl_interface GtkShell{"gtk_shell1", 1, 3, ShellRequests.data(), 1, ShellEvents.data()};
const std::array<wl_message, 2> SurfaceRequests{{
    {"set_dbus_properties", "?s?s?s?s?s?s", NoTypes.data()},
    {"set_modal", "", NoTypes.data()},
}};
const std::array<wl_message, 1> SurfaceEvents{{{"configure", "a", NoTypes.data()}}};
const wl_interface GtkSurface{"gtk_surface1",         1, 2,
                              SurfaceRequests.data(), 1, SurfaceEvents.data()};
constexpr std::uint32_t GetGtkSurface = 0;
constexpr std::uint32_t SetModal = 1;

void FindShell(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t /*version*/) {
    if (std::strcmp(interface, GtkShell.name) == 0) {
        *static_cast<wl_proxy**>(data) = static_cast<wl_proxy*>(
            wl_registry_bind(registry, name, &GtkShell, static_cast<std::uint32_t>(1)));
    }
}
void LoseGlobal(void* /*data*/, wl_registry* /*registry*/, std::uint32_t /*name*/) {}
const wl_registry_listener Globals{FindShell, LoseGlobal};

/// Asks the compositor to treat `window`'s surface as a modal dialog, where it offers GTK's
/// shell, before the surface first shows. The objects are made on a queue of their own and
/// dropped at once; the compositor keeps the request for the surface's life.
void AskForModalDialog(QWindow& window) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    auto* surface = static_cast<wl_proxy*>(native->nativeResourceForWindow("surface", &window));
    if (display == nullptr || surface == nullptr) {
        return;
    }
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue);
    wl_registry* registry = wl_display_get_registry(wrapped);
    wl_proxy* shell = nullptr;
    wl_registry_add_listener(registry, &Globals, static_cast<void*>(&shell));
    wl_display_roundtrip_queue(display, queue);
    if (shell != nullptr) {
        wl_proxy* dialog =
            wl_proxy_marshal_constructor(shell, GetGtkSurface, &GtkSurface, nullptr, surface);
        wl_proxy_marshal(dialog, SetModal);
        wl_display_flush(display);
        wl_proxy_destroy(dialog);
        wl_proxy_destroy(shell);
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapped);
    wl_event_queue_destroy(queue);
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
    if (watched == Handle && type == QEvent::Expose && !AskedModal && Window.isModal()) {
        // Exposed once configured, and painted for the first time right after: placed then.
        AskedModal = true;
        AskForModalDialog(*Handle);
    }
    if (watched == &Window && type == QEvent::Hide) {
        AskedModal = false; // a surface of its own each time it shows
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
