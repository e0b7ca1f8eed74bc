#include "CommonDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <utility>

namespace plovari {

CommonDialog::CommonDialog(QObject* parent)
    : QObject(parent)
    , ViewerProgram(HelpViewerProgram())
    , HelpViewer([this](const QString& helpFile, std::int16_t helpCommand) {
        StartViewerProgram(helpFile, helpCommand);
    }) {}

void CommonDialog::ShowHelp() {
    HelpViewer(HelpFile, HelpCommand);
}

QString CommonDialog::HelpViewerProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("plovari-help"));
}

void CommonDialog::StartViewerProgram(const QString& helpFile, std::int16_t helpCommand) {
    QString why;
    if (StartHelpViewer(ViewerProgram, helpFile, helpCommand, &why)) {
        return;
    }
    // Not modal and not waited for: the race goes on, and the player may pause it as ever.
    if (Problem == nullptr) {
        Problem = new QMessageBox(qobject_cast<QWidget*>(parent()));
        Problem->setObjectName(QStringLiteral("HelpProblem"));
        Problem->setAttribute(Qt::WA_DeleteOnClose);
        Problem->setWindowModality(Qt::NonModal);
        Problem->setIcon(QMessageBox::Warning);
        Problem->setStandardButtons(QMessageBox::Ok);
        //: Title of the warning shown when the help viewer program cannot be started.
        Problem->setWindowTitle(tr("Help not available"));
    }
    //: %1 is the help file's name, Plovari.hlp.
    Problem->setText(tr("The help viewer could not be started, so the help file “%1” cannot be "
                        "shown. The game goes on.")
                         .arg(helpFile));
    Problem->setInformativeText(
        //: %1 is where the viewer program was looked for; %2 is the system's reason, e.g. "No
        //: such file or directory". plovari-help is the program's name: keep it as it is.
        tr("The help viewer plovari-help was looked for at %1 (%2). It comes with the game: "
           "installing Plovari again puts it back.")
            .arg(QDir::toNativeSeparators(ViewerProgram), why));
    Problem->show();
    Problem->raise();
}

bool StartHelpViewer(const QString& program, const QString& helpFile, std::int16_t helpCommand,
                     QString* why) {
    QProcess viewer;
    viewer.setProgram(program);
    viewer.setArguments({helpFile, QString::number(helpCommand)});
    // The viewer must not inherit the game's terminal input; its output may still go there.
    viewer.setStandardInputFile(QProcess::nullDevice());
    const bool started = viewer.startDetached();
    if (!started && why != nullptr) {
        *why = viewer.errorString();
    }
    return started;
}

} // namespace plovari
