#pragma once

#include "HelpCommand.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>

class QMessageBox;

namespace plovari {

/// The common dialog's help function, which Linux lacks: a help file name, a help command and
/// ShowHelp, which hands both to the help viewer and returns at once. Whether the file exists is
/// the viewer's affair; only when the viewer itself cannot be started, or the player has no
/// private runtime folder for the viewers' channel, does the common dialog tell the player, in
/// a message beside its owner window that stops nothing there.
class CommonDialog final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommonDialog)
public:
    /// What receives the file name and the help command.
    using Viewer = std::function<void(const QString& helpFile, std::int16_t helpCommand)>;

    /// Hands help to the help viewer program next to this program. parent: the owner window,
    /// over which a failure to start the viewer is told.
    explicit CommonDialog(QObject* parent);

    void SetHelpFile(const QString& name) { HelpFile = name; }
    void SetHelpCommand(std::int16_t command) { HelpCommand = command; }
    void ShowHelp();

    /// Replaces the viewer, for a test or another platform.
    void SetViewer(Viewer viewer) { HelpViewer = std::move(viewer); }
    /// Starts the viewer program `program` instead of the one next to this program.
    void SetViewerProgram(const QString& program) { ViewerProgram = program; }

    /// The help viewer program next to the running program.
    static QString HelpViewerProgram();

private:
    /// Starts the viewer program; tells the player when it cannot start.
    void StartViewerProgram(const QString& helpFile, std::int16_t helpCommand);
    /// Tells the player that `helpFile` cannot be shown, and `why`.
    void TellProblem(const QString& helpFile, const QString& why);

    QString HelpFile;
    std::int16_t HelpCommand = 0;
    QString ViewerProgram;
    Viewer HelpViewer;
    QPointer<QMessageBox> Problem; ///< the failure message while it is shown
};

/// Starts the help viewer program as a process of its own, which outlives this program:
/// `program helpFile helpCommand`. Returns whether it started; if not, `why` says why.
bool StartHelpViewer(const QString& program, const QString& helpFile, std::int16_t helpCommand,
                     QString* why = nullptr);

} // namespace plovari
