// The help viewer: `plovari-help FILE COMMAND` shows the help file FILE, given by its bare name,
// for help command COMMAND (3: its contents). It runs on its own, so it stays open when the
// program that started it ends; while it runs, later requests are shown in the same window.
#include "HelpChannel.h"
#include "HelpFile.h"
#include "HelpViewer.h"
#include "Language.h"
#include "Version.h"
#include "ViewerChannel.h"

#include <QApplication>
#include <cstdio>

namespace {

/// Opens a request of the form {FILE, COMMAND}.
void Open(plovari::HelpViewer& viewer, const QStringList& request) {
    bool isNumber = false;
    const int command = request.value(1).toInt(&isNumber);
    viewer.Open(
        request.value(0), isNumber ? command : -1,
        plovari::HelpSearchPath(QApplication::applicationDirPath(), plovari::UserLanguages()));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plovari-help"));
    QApplication::setApplicationVersion(QStringLiteral(PLOVARI_VERSION));
    plovari::InstallTranslations();

    const QStringList request = QApplication::arguments().mid(1);
    if (request.size() != 2) {
        //: The help viewer's usage line. Keep "plovari-help" as it is; FILE and COMMAND may be
        //: translated.
        std::fputs(qPrintable(QApplication::translate(
                       "plovari-help", "usage: plovari-help FILE COMMAND\n"
                                       "Shows the help file FILE, a bare file name, for help "
                                       "command COMMAND (3: its contents).\n")),
                   stderr);
        return 2;
    }

    plovari::ViewerChannel channel(plovari::HelpChannelName(), nullptr);
    QObject::connect(&channel, &plovari::ViewerChannel::Reported, [](const QString& line) {
        std::fputs(qPrintable(QStringLiteral("plovari-help: %1\n").arg(line)), stderr);
    });
    const plovari::ViewerChannel::Role role = channel.Join(request);
    if (role == plovari::ViewerChannel::Role::HandedOver) {
        return 0;
    }
    plovari::HelpViewer viewer;
    // Without the channel this viewer still works; later requests then open windows of their own.
    if (role == plovari::ViewerChannel::Role::Serving) {
        QObject::connect(&channel, &plovari::ViewerChannel::Requested, &viewer,
                         [&viewer](const QStringList& next) {
                             Open(viewer, next);
                             viewer.showNormal();
                             viewer.raise();
                             viewer.activateWindow();
                         });
    }
    Open(viewer, request);
    viewer.show();
    return QApplication::exec();
}
