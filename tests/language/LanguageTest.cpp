// The game in English without a translation, and in every shipped language: complete, with
// its access keys, its direction and its help.
#include "Language.h"

#include "AboutPlovari.h"
#include "GameWindow.h"
#include "HelpFile.h"
#include "HelpLinks.h"
#include "HelpViewer.h"
#include "Version.h"

#include <QApplication>
#include <QFile>
#include <QGlyphRun>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>
#include <memory>
#include <vector>

using namespace plovari;
using namespace plovari::testing;

namespace {

/// A translation file's messages, by context, source and comment: the translation, or an
/// empty text while the message is unfinished. Obsolete messages are left out.
QHash<QString, QString> MessagesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    QHash<QString, QString> messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QString comment;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("message")) {
            source.clear();
            comment.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText();
            if (type != QLatin1String("obsolete") && type != QLatin1String("vanished")) {
                messages.insert(context + QLatin1Char('|') + source + QLatin1Char('|') + comment,
                                type == QLatin1String("unfinished") ? QString() : text);
            }
        }
    }
    if (xml.hasError()) {
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    }
    return messages;
}

/// Every text of a test-only language: the English text in angle quotes, so that each text
/// differs from the English one and shows where it came from.
class QuotingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("‹%1›").arg(QString::fromUtf8(source));
    }
};

/// The access key of a caption, or 0 when it has none.
int AccessKey(const QString& caption) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    return key.isEmpty() ? 0 : key[0].toCombined();
}

/// A menu bar's titles and items, by object name, with their captions.
struct MenuCaption {
    QString Name;
    QString Caption;
    QString Menu; // empty for a title
};

/// The glyphs a caption is drawn with, sorted: its text laid out as a menu lays it out, with
/// the access key's letter underlined or, without `underlineKey`, without any underline.
/// Underlining the key gives that letter a format of its own; where that splits joined letters
/// or a cluster, the word is shaped in pieces and other glyphs come out.
QList<quint32> GlyphsOf(const QString& caption, const QFont& font, bool underlineKey) {
    QString text = caption;
    qsizetype key = -1;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == QLatin1Char('&')) {
            text.remove(at, 1);
            if (key < 0 && at < text.size() && text[at] != QLatin1Char('&')) {
                key = at;
            }
        }
    }
    QTextLayout layout(text, font);
    if (underlineKey && key >= 0) {
        QTextLayout::FormatRange underline;
        underline.start = static_cast<int>(key);
        underline.length = 1;
        underline.format.setFontUnderline(true);
        layout.setFormats({underline});
    }
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<quint32> glyphs;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        glyphs += run.glyphIndexes();
    }
    std::sort(glyphs.begin(), glyphs.end());
    return glyphs;
}

/// The texts a widget draws, as its style hands them to the paint engine: a text that the
/// style cuts short is drawn with an ellipsis.
class DrawnTexts final : public QPaintDevice, private QPaintEngine {
public:
    explicit DrawnTexts(QWidget& widget)
        : QPaintEngine(AllFeatures)
        , Size(widget.size()) {
        widget.render(this);
    }
    QStringList Texts;

    QPaintEngine* paintEngine() const override { return const_cast<DrawnTexts*>(this); }

private:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return Size.width();
        case PdmHeight:
            return Size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return 0;
        }
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    // Qt's own drawPolygon overloads call each other; one of them must draw.
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { Texts << item.text(); }
    Type type() const override { return User; }

    QSize Size;
};

/// The text between a help file's <style> tags.
QString StyleOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("<style>"));
    return text.mid(start, text.indexOf(QStringLiteral("</style>")) - start);
}

std::vector<MenuCaption> CaptionsOf(const QMenuBar& bar) {
    std::vector<MenuCaption> captions;
    for (QAction* title : bar.actions()) {
        const QMenu* menu = title->menu();
        captions.push_back({menu->objectName(), title->text(), {}});
        for (QAction* item : menu->actions()) {
            captions.push_back({item->objectName(), item->text(), menu->objectName()});
        }
    }
    return captions;
}

} // namespace

class LanguageTest : public QObject, private GameWindow {
    Q_OBJECT

    std::unique_ptr<QTranslator> Translator;

    void Install(std::unique_ptr<QTranslator> translator) {
        Translator = std::move(translator);
        QVERIFY(QCoreApplication::installTranslator(Translator.get()));
    }

private slots:
    void cleanup() {
        Close();
        if (Translator) {
            QCoreApplication::removeTranslator(Translator.get());
            Translator.reset();
        }
    }

    void englishLocalesChooseNoLanguage() {
        for (const QStringList& locale :
             {QStringList{QStringLiteral("C")}, QStringList{},
              QStringList{QStringLiteral("en-GB"), QStringLiteral("en-Latn-GB")},
              QStringList{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("de-DE")}}) {
            QVERIFY2(UserLanguages(locale).isEmpty(), qPrintable(locale.join(QLatin1Char(' '))));
        }
        QCOMPARE(UserLanguages({QStringLiteral("pt-BR"), QStringLiteral("pt"),
                                QStringLiteral("en-US"), QStringLiteral("de")}),
                 (QStringList{QStringLiteral("pt_BR"), QStringLiteral("pt")}));
        // A language that is not shipped installs nothing.
        QVERIFY(InstallTranslations({QStringLiteral("sr"), QStringLiteral("sr_RS")}).isEmpty());
        QVERIFY(qApp->findChildren<QTranslator*>().isEmpty());
    }

    void aTranslationThatDoesNotLoadGivesWayToTheNextLanguage() {
        QTemporaryDir folder; // de_AT finds a de that is no translation, then fr
        QVERIFY(
            QFile::copy(QStringLiteral(PLOVARI_SOURCE_TEXTS), folder.filePath("plovari_de.qm")));
        QVERIFY(QFile::copy(":/i18n/plovari_fr.qm", folder.filePath("plovari_fr.qm")));
        QCOMPARE(InstallTranslations({"de_AT", "fr"}, folder.path()), QStringLiteral("fr"));
        QCoreApplication::processEvents(); // and Qt's own French
        qDeleteAll(qApp->findChildren<QTranslator*>());
    }

    void withoutATranslationEveryTextIsTheDesignedOne() {
        QVERIFY(Open());
        QCOMPARE(Window->windowTitle(), QStringLiteral("Plovari, the board game"));
        // Every menu text is its source text, untouched.
        const QHash<QString, QString> sources = MessagesOf(QStringLiteral(PLOVARI_SOURCE_TEXTS));
        QStringList sourceTexts;
        for (auto source = sources.cbegin(); source != sources.cend(); ++source) {
            sourceTexts << source.key().section(QLatin1Char('|'), 1, 1);
        }
        for (const MenuCaption& caption : CaptionsOf(*Window->menuBar())) {
            QVERIFY2(sourceTexts.contains(caption.Caption), qPrintable(caption.Caption));
        }
        QCOMPARE(Window->menuBar()->actions().size(), 5);
        QCOMPARE(ContinueButton()->text(), QStringLiteral("Start"));
        QCOMPARE(Find<QLabel>(*Window, "Label1", 0)->text(), QStringLiteral("Lw  Rg  Md  Hi"));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);

        AboutPlovari about(Window.get());
        QCOMPARE(about.windowTitle(), QStringLiteral("About Plovari"));
        QCOMPARE(Find<QLabel>(about, QStringLiteral("Label3"))->text(),
                 QStringLiteral("Plovari version " PLOVARI_VERSION "\nby the Plovari developers"));
        QCOMPARE(Find<QLabel>(about, QStringLiteral("Label4"))->text(),
                 QStringLiteral("Any comments or bug reports can be sent to plovari@example.org"));
        QCOMPARE(Find<QLabel>(about, QStringLiteral("Label5"))->text(),
                 QStringLiteral("Check out www.example.org for other software, short stories "
                                "and merchandise."));
    }

    void theContinueButtonRestartsFromRestartInAnyLanguage() {
        Install(std::make_unique<QuotingTranslator>());
        QVERIFY(Open());
        QCOMPARE(ContinueButton()->text(), QStringLiteral("‹Start›"));
        ScriptATenTurnRace();
        ClickContinue();
        QTRY_COMPARE_WITH_TIMEOUT(ContinueButton()->text(), QStringLiteral("‹Restart›"), 20000);
        ClickContinue();
        QCOMPARE(ContinueButton()->text(), QStringLiteral("‹Start›"));
        QVERIFY2(!Timer1()->isActive(), "a restart starts no turn");
        QCOMPARE(Window->State().Scores[0], 0.0);
    }

    void shippedLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language :
             QStringLiteral(PLOVARI_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    void shippedLanguage() {
        QFETCH(QString, language);

        // Complete: every source text has its translation.
        const QHash<QString, QString> sources = MessagesOf(QStringLiteral(PLOVARI_SOURCE_TEXTS));
        const QHash<QString, QString> translated =
            MessagesOf(QStringLiteral(PLOVARI_TRANSLATIONS "/plovari_%1.ts").arg(language));
        QStringList missing;
        for (auto source = sources.cbegin(); source != sources.cend(); ++source) {
            if (translated.value(source.key()).isEmpty()) {
                missing << source.key();
            }
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("%1 untranslated, e.g. %2")
                                .arg(missing.size())
                                .arg(missing.mid(0, 3).join(QStringLiteral("; ")))));

        // Access keys: every title and item has one, unique within its menu, and the titles
        // unique in the bar. (English keeps the designed captions, where 200, 500 and 1000 have
        // none.)
        auto translator = std::make_unique<QTranslator>();
        QVERIFY(translator->load(QStringLiteral(":/i18n/plovari_%1.qm").arg(language)));
        Install(std::move(translator));
        QVERIFY(Open());
        QHash<QString, QList<int>> keysPerMenu;
        for (const MenuCaption& caption : CaptionsOf(*Window->menuBar())) {
            const int key = AccessKey(caption.Caption);
            QVERIFY2(key != 0, qPrintable(caption.Name + QStringLiteral(": ") + caption.Caption));
            QList<int>& keys = keysPerMenu[caption.Menu];
            QVERIFY2(!keys.contains(key),
                     qPrintable(caption.Caption + QStringLiteral(" repeats an access key")));
            keys << key;
            // Drawn with its key, the caption keeps the glyphs it has without one.
            const QWidget& drawnBy = caption.Menu.isEmpty()
                                         ? static_cast<const QWidget&>(*Window->menuBar())
                                         : *Find<QMenu>(*Window, caption.Menu);
            QVERIFY2(GlyphsOf(caption.Caption, drawnBy.font(), true) ==
                         GlyphsOf(caption.Caption, drawnBy.font(), false),
                     qPrintable(caption.Caption + QStringLiteral(": the access key changes "
                                                                 "how the word is drawn")));
        }

        // Every item drawn whole, as the menu opens, at any size of the user's font.
        const QFont userFont = QApplication::font();
        for (const int points : {8, 11, 14}) {
            QFont font = userFont;
            font.setPointSize(points);
            QApplication::setFont(font);
            QCoreApplication::sendPostedEvents();
            for (QAction* title : Window->menuBar()->actions()) {
                QMenu& menu = *title->menu();
                menu.popup(Window->geometry().center());
                QVERIFY(QTest::qWaitForWindowExposed(&menu));
                const QStringList drawn = DrawnTexts(menu).Texts;
                menu.hide();
                QVERIFY2(!drawn.join(QString()).contains(QChar(0x2026)),
                         qPrintable(QStringLiteral("%1 pt: ").arg(points) +
                                    drawn.join(QStringLiteral(" | "))));
            }
        }
        QApplication::setFont(userFont);

        // Direction: the menus follow the language; the board keeps its designed geometry.
        const bool rightToLeft =
            QStringList{QStringLiteral("ar"), QStringLiteral("fa"), QStringLiteral("he")}.contains(
                language);
        QCOMPARE(QGuiApplication::layoutDirection(),
                 rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QVERIFY(Window->menuBar()->isRightToLeft() == rightToLeft);
        QVERIFY(Window->centralWidget()->isLeftToRight());
        QVERIFY(ModeButton("Low", 0)->isLeftToRight());
        QCOMPARE(ContinueButton()->geometry(), QRect(616, 264, 65, 25));
        // The About window mirrors its columns: text on the reading side, icons at its end.
        AboutPlovari about(Window.get());
        QCOMPARE(Find<QLabel>(about, QStringLiteral("Label4"))->x(),
                 rightToLeft ? 317 - 40 - 185 : 40);
        QCOMPARE(Find(about, QStringLiteral("Image1"))->x(), rightToLeft ? 317 - 272 - 32 : 272);

        // The language's own help opens at its contents, and all its links lead somewhere.
        HelpViewer viewer;
        viewer.Open(QStringLiteral("Plovari.hlp"), HelpContents,
                    HelpSearchPath(QStringLiteral(PLOVARI_HELP_FOLDER), {language}));
        const auto* browser = viewer.findChild<QTextBrowser*>(QStringLiteral("HelpText"));
        QCOMPARE(browser->source().toLocalFile(),
                 QStringLiteral(PLOVARI_HELP_FOLDER "/%1/Plovari.hlp").arg(language));
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
        QVERIFY(!viewer.windowTitle().isEmpty());
        const HelpLinks help = LinksOf(*browser->document());
        QVERIFY(help.Links.size() >= 6);
        QVERIFY2(help.Broken().isEmpty(), qPrintable(help.Broken().join(QStringLiteral(", "))));
        // An anchored heading is one run of text, so that no anchor splits its first word.
        for (QTextBlock block = browser->document()->begin(); block.isValid();
             block = block.next()) {
            auto fragment = block.begin();
            if (!fragment.fragment().charFormat().anchorNames().isEmpty()) {
                QVERIFY2((++fragment).atEnd(), qPrintable(block.text()));
            }
        }
        // Made from the English help: the same anchors, links and style.
        HelpViewer english;
        english.Open(QStringLiteral("Plovari.hlp"), HelpContents,
                     {QStringLiteral(PLOVARI_HELP_FOLDER)});
        const HelpLinks englishHelp =
            LinksOf(*english.findChild<QTextBrowser*>(QStringLiteral("HelpText"))->document());
        QCOMPARE(help.Anchors, englishHelp.Anchors);
        QCOMPARE(help.Links, englishHelp.Links);
        QCOMPARE(StyleOf(browser->source().toLocalFile()),
                 StyleOf(QStringLiteral(PLOVARI_HELP_FOLDER "/Plovari.hlp")));
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
