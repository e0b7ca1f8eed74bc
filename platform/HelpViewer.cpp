#include "HelpViewer.h"

#include "HelpFile.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>
#include <utility>

namespace plovari {

HelpViewer::HelpViewer(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("HelpViewer"));
    //: The help viewer's title until a help file names its own.
    setWindowTitle(tr("Help"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("help-browser")));
    resize(640, 600);

    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpText"));
    Browser->setAccessibleName(tr("Help text"));
    Browser->setAccessibleDescription(tr("The help topic shown; its links lead to other topics"));
    setCentralWidget(Browser);

    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("Navigation"));
    bar->setMovable(false);
    //: Toolbar button of the help viewer; its access key is unique among the three buttons.
    QAction* contents = bar->addAction(tr("&Contents"), Browser, &QTextBrowser::home);
    contents->setShortcut(Qt::ALT | Qt::Key_Home);
    //: Toolbar button of the help viewer; its access key is unique among the three buttons.
    QAction* back = bar->addAction(tr("&Back"), Browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    //: Toolbar button of the help viewer; its access key is unique among the three buttons.
    QAction* forward = bar->addAction(tr("&Forward"), Browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    // For screen readers; the buttons' tool tips stay their captions.
    for (const auto& [action, description] :
         {std::pair{contents, tr("Shows the help file's contents")},
          std::pair{back, tr("Goes back to the topic shown before")},
          std::pair{forward, tr("Goes forward to the topic left with Back")}}) {
        bar->widgetForAction(action)->setAccessibleDescription(description);
    }

    auto* close = new QAction(tr("Close"), this);
    close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

HelpViewer::~HelpViewer() = default;

void HelpViewer::Open(const QString& name, int command, const QStringList& folders) {
    if (command != HelpContents) {
        ShowProblem(tr("Help command not supported"),
                    tr("This help viewer cannot carry out help command %1 for “%2”. It opens "
                       "help files at their contents (help command %3).")
                        .arg(command)
                        .arg(name)
                        .arg(HelpContents));
        return;
    }
    if (!IsBareFileName(name)) {
        ShowProblem(tr("Help file not opened"),
                    tr("“%1” is not a bare file name. The help viewer opens only help files "
                       "named without a folder, from the places it knows.")
                        .arg(name));
        return;
    }
    const QString path = FindHelpFile(name, folders);
    if (path.isEmpty()) {
        QString text = tr("The help file “%1” was not found. The help viewer looked in:").arg(name);
        for (const QString& folder : folders) {
            text += QStringLiteral("\n    ") + folder;
        }
        ShowProblem(tr("Help file not found"), text);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowProblem(tr("Help file cannot be read"),
                    tr("The help file “%1” was found at %2 but could not be read: %3.")
                        .arg(name, path, file.errorString()));
        return;
    }
    file.close();

    // The contents are the document's first topic, so the file opens at its top.
    Browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    const QString title = Browser->documentTitle();
    setWindowTitle(title.isEmpty() ? name : title);
}

void HelpViewer::ShowProblem(const QString& title, const QString& text) {
    setWindowTitle(title);
    Browser->setPlainText(text);
}

} // namespace plovari
