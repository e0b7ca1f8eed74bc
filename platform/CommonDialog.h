#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

namespace plovari {

/// The common dialog's help function, which Linux lacks: a help file name, a help command and
/// ShowHelp, which hands both to the help viewer and returns at once. It checks nothing and
/// reports nothing; whether the file exists is the viewer's affair.
class CommonDialog final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommonDialog)
public:
    /// Help command: open the help file at its contents.
    static constexpr std::int16_t HelpContents = 3;

    /// What receives the file name and the help command.
    using Viewer = std::function<void(const QString& helpFile, std::int16_t helpCommand)>;

    /// Hands help to the help viewer program that sits next to this program.
    explicit CommonDialog(QObject* parent);

    void SetHelpFile(const QString& name) { HelpFile = name; }
    void SetHelpCommand(std::int16_t command) { HelpCommand = command; }
    void ShowHelp();

    /// Replaces the viewer, for a test or another platform.
    void SetViewer(Viewer viewer) { HelpViewer = std::move(viewer); }

private:
    QString HelpFile;
    std::int16_t HelpCommand = 0;
    Viewer HelpViewer;
};

/// Starts the help viewer program as a process of its own, which outlives this program:
/// `program helpFile helpCommand`. Returns whether it started.
bool StartHelpViewer(const QString& program, const QString& helpFile, std::int16_t helpCommand);

/// The help viewer program next to the running program.
QString HelpViewerProgram();

} // namespace plovari
