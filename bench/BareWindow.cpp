// The least a Qt Widgets program of this kind can be: a main window with a menu bar holding one
// menu, set up like the game's main(). bench/startup.sh measures the game against it.
#include "Layout.h"
#include "Version.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plovari"));
    QApplication::setApplicationVersion(QStringLiteral(PLOVARI_VERSION));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Plovari bare window"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    // As large as the game's window, so both hold a backing store of the same size.
    window.resize(plovari::layout::ClientArea.width(),
                  plovari::layout::ClientArea.height() + window.menuBar()->sizeHint().height());
    window.show();
    return QApplication::exec();
}
