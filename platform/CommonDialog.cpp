#include "CommonDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace plovari {

CommonDialog::CommonDialog(QObject* parent)
    : QObject(parent)
    , HelpViewer([](const QString& helpFile, std::int16_t helpCommand) {
        StartHelpViewer(HelpViewerProgram(), helpFile, helpCommand);
    }) {}

void CommonDialog::ShowHelp() {
    HelpViewer(HelpFile, HelpCommand);
}

bool StartHelpViewer(const QString& program, const QString& helpFile, std::int16_t helpCommand) {
    QProcess viewer;
    viewer.setProgram(program);
    viewer.setArguments({helpFile, QString::number(helpCommand)});
    // The viewer must not inherit the game's terminal input; its output may still go there.
    viewer.setStandardInputFile(QProcess::nullDevice());
    return viewer.startDetached();
}

QString HelpViewerProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("plovari-help"));
}

} // namespace plovari
