// Creates the main window and runs the event loop until it closes.
#include "Language.h"
#include "PlovariMainForm.h"
#include "Version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plovari"));
    QApplication::setApplicationVersion(QStringLiteral(PLOVARI_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Plovari"));
    plovari::InstallTranslations();
    // The only text cursor is the key catcher's, which never shows; blinking it would wake the
    // game twice a second while a race is paused.
    QApplication::setCursorFlashTime(0);

    plovari::PlovariMainForm window;
    window.show();
    return QApplication::exec();
}
