#include "HelpViewer.h"

#include "HelpFile.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>
#include <utility>

namespace plovari {

namespace {

// Qt gives an element's id, or an empty named anchor, to the first character of the text that
// follows alone. That character then has a format of its own and is shaped apart from the rest
// of its word, which breaks joined scripts: an Arabic heading's first letter stands isolated.
// Spreading the anchor over its whole block keeps the block one run, and the anchor where it was.
void SpreadAnchorsOverTheirBlocks(QTextDocument* document) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QStringList names;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            names += fragment.fragment().charFormat().anchorNames();
        }
        if (names.isEmpty()) {
            continue;
        }
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames(names);
        cursor.mergeCharFormat(anchor);
    }
}

/// A text browser that draws a help file's SVG charts itself: sharp at the screen's pixel ratio,
/// which the document's own image loading ignores (it rasterises a picture once at its nominal
/// size), and with the chart's currentColor, its text and lines, in the palette's text colour,
/// so that a chart reads on a light and on a dark page.
class HelpBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::ImageResource ||
            !name.path().endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ||
            resource.userType() != QMetaType::QByteArray) {
            return resource;
        }
        QByteArray svg = resource.toByteArray();
        svg.replace("currentColor", palette().color(QPalette::Text).name().toLatin1());
        QSvgRenderer renderer(svg);
        if (!renderer.isValid()) {
            return resource;
        }
        const qreal ratio = devicePixelRatioF();
        QImage image((QSizeF(renderer.defaultSize()) * ratio).toSize(),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        image.setDevicePixelRatio(ratio);
        return QPixmap::fromImage(image);
    }
};

} // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("HelpViewer"));
    //: The help viewer's title until a help file names its own.
    setWindowTitle(tr("Help"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("help-browser")));
    resize(640, 600);

    Browser = new HelpBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpText"));
    Browser->setAccessibleName(tr("Help text"));
    Browser->setAccessibleDescription(tr("The help topic shown; its links lead to other topics"));
    setCentralWidget(Browser);
    // Every document the browser loads, the help file and any page its links lead to, once: a
    // link to an anchor of the same document loads nothing, and a second pass over blocks
    // already spread loses the paragraphs that follow a third-level heading.
    connect(Browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& source) {
        // A link within the document comes as the bare fragment, "#pick".
        const QUrl document = SpreadDocument.resolved(source).adjusted(QUrl::RemoveFragment);
        if (document != SpreadDocument) {
            SpreadDocument = document;
            SpreadAnchorsOverTheirBlocks(Browser->document());
        }
    });

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
    SpreadDocument.clear();
}

} // namespace plovari
