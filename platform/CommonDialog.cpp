#include "CommonDialog.h"

#include "HelpChannel.h"

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
    // Without a runtime folder of the player's own, the viewer could hand the request to a
    // channel that someone else has put in its place.
    if (HelpChannelName().isEmpty()) {
        //: %1 is the temporary folder, e.g. /tmp. XDG_RUNTIME_DIR is the name of a setting:
        //: keep it as it is.
        return TellProblem(helpFile,
                           tr("The help viewer needs a runtime folder that only you can open, "
                              "and there is none: XDG_RUNTIME_DIR names no such folder, and "
                              "none could be made in %1.")
                               .arg(QDir::toNativeSeparators(QDir::tempPath())));
    }
    QString why;
    if (StartHelpViewer(ViewerProgram, helpFile, helpCommand, &why)) {
        return;
    }
    //: %1 is where the viewer program was looked for; %2 is the system's reason, e.g. "No
    //: such file or directory". plovari-help is the program's name: keep it as it is.
    TellProblem(helpFile, tr("The help viewer plovari-help was looked for at %1 (%2). It comes "
                             "with the game: installing Plovari again puts it back.")
                              .arg(QDir::toNativeSeparators(ViewerProgram), why));
}

void CommonDialog::TellProblem(const QString& helpFile, const QString& why) {
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
    Problem->setInformativeText(why);
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
