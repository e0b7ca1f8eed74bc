#pragma once

#include <QIcon>
#include <QWidget>

namespace plovari {

/// Whether the game runs on a Wayland compositor, where a client cannot choose its title-bar
/// buttons: Qt's own decorations show minimize, maximize and close on every window, and a
/// compositor's decorations follow only the window's size limits.
bool OnWayland();

/// Keeps a fixed-size top-level window out of the maximized and full-screen states, which it
/// cannot fill. A Wayland compositor requires a maximized window to take exactly the size it
/// offers and ends the connection of a client that does not; so on Wayland the window takes
/// that size for a moment and returns to its own, whoever asked for the state (Qt's own title
/// bar offers maximize on every window). Elsewhere the window system keeps such a window as it
/// is, and nothing changes.
void KeepOutOfMaximized(QWidget& window);

/// An icon that shows nothing, for a window that has none of its own: Wayland title bars
/// otherwise show the icon of the window's owner, or of the program.
QIcon NoIcon();

} // namespace plovari
