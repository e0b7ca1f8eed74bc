// Creates the main window and runs the event loop until it closes.
#include "PlovariMainForm.h"
#include "Version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plovari"));
    QApplication::setApplicationVersion(QStringLiteral(PLOVARI_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Plovari"));

    plovari::PlovariMainForm window;
    window.show();
    return QApplication::exec();
}
