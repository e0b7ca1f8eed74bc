#pragma once

#include "HelpCommand.h"

#include <QMainWindow>
#include <QStringList>
#include <QUrl>

class QTextBrowser;

namespace plovari {

/// The help viewer's window: shows a help file, an HTML document whose first topic is its
/// contents, with links between topics. What cannot be shown is explained in the window
/// itself, naming the file and where it was looked for.
class HelpViewer final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpViewer)
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    ~HelpViewer() override;

    /// Opens the help file `name`, looked up in `folders`, for help command `command`.
    void Open(const QString& name, int command, const QStringList& folders);

private:
    void ShowProblem(const QString& title, const QString& text);

    QTextBrowser* Browser = nullptr;
    /// The document whose anchors were last spread over their blocks, without its fragment.
    QUrl SpreadDocument;
};

} // namespace plovari
