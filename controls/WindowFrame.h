#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <Qt>

class QWidget;
class QWindow;

namespace plovari {

/// Whether the game runs on a Wayland compositor, where a client cannot choose its title-bar
/// buttons (Qt's own decorations show minimize, maximize and close on every window, and a
/// compositor's follow only the window's size limits) nor its place on the screen.
bool OnWayland();

/// The frame of one of the game's fixed-size top-level windows, and the one owner of its
/// title-bar buttons, its icon, its size limits and every way a window system may force
/// another size on it.
///
/// The window keeps its own size: its least and its largest size are that size, which a
/// compositor reads as "not resizable". Yet a compositor may still maximize it or show it full
/// screen, by its own shortcut, a rule, a script or a title-bar button, or offer it a tile.
/// The window takes a forced size, with its board at its designed size at the window's top
/// left, under the menus, and once shown so asks to leave the state; a tile it declines. Where
/// the compositor insists (one that shows only full-screen windows, a rule), the window keeps
/// the forced size; when the compositor lets go, the window is back at its own size.
class WindowFrame final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowFrame)
public:
    enum class Kind {
        Main,   ///< the main window: close only
        Dialog, ///< a window over the main window: minimize, maximize and close; no icon
    };

    /// The flags that give a window of `kind` its title-bar buttons. Maximize is left out on
    /// Wayland, where only a compositor's own decorations follow the flags and they would
    /// offer what a fixed-size window cannot use.
    static Qt::WindowFlags Flags(Kind kind);

    /// Frames `window`, which owns the frame. A dialog shows no icon on Wayland, whose title
    /// bars would otherwise show the owner's or the program's.
    WindowFrame(QWidget& window, Kind kind);
    ~WindowFrame() override;

    /// Keeps `board` at `size` and the window at its own size: `size` when the board is the
    /// window itself, else the size its layout needs around the board.
    void Hold(QWidget& board, QSize size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch();
    void Release();
    void Bound();
    void Settle();

    QWidget& Window;
    QPointer<QWindow> Handle;  ///< the native window watched, once it exists
    QPointer<QObject> Surface; ///< the platform's object behind it, which applies configures
    int Applying = 0;          ///< depth of the platform's calls on Surface under way
    bool Forced = false;       ///< the compositor has the window maximized or full screen
    bool Asked = false;        ///< the window has asked to leave that state since
    bool AskedModal = false;   ///< a modal window has asked to be placed as a modal dialog
};

} // namespace plovari
