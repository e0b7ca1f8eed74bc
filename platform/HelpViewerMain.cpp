// The help viewer: `plovari-help FILE COMMAND` shows the help file FILE, given by its bare name,
// for help command COMMAND (3: its contents). It runs on its own, so it stays open when the
// program that started it ends.
#include "HelpFile.h"
#include "HelpViewer.h"
#include "Version.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plovari-help"));
    QApplication::setApplicationVersion(QStringLiteral(PLOVARI_VERSION));

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: plovari-help FILE COMMAND\n"
                   "Shows the help file FILE, a bare file name, for help command COMMAND "
                   "(3: its contents).\n",
                   stderr);
        return 2;
    }
    bool isNumber = false;
    const int command = arguments.at(2).toInt(&isNumber);

    plovari::HelpViewer viewer;
    viewer.Open(arguments.at(1), isNumber ? command : -1,
                plovari::HelpSearchPath(QApplication::applicationDirPath()));
    viewer.show();
    return QApplication::exec();
}
