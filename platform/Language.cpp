#include "Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

namespace plovari {

namespace {

/// The name of the programs' translation files: plovari_<language>.qm.
const QString Prefix = QStringLiteral("plovari");

// Qt lays out a program right to left when its translation says so. The programs' own
// translation carries this entry, so that Arabic and Hebrew turn even where Qt's own
// translation of the language is missing.
struct CommentedText {
    const char* Source;
    const char* Comment;
};
[[maybe_unused]] constexpr CommentedText LayoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

bool IsEnglish(const QString& language) {
    return language == QStringLiteral("C") || language == QStringLiteral("en") ||
           language.startsWith(QStringLiteral("en_"));
}

} // namespace

QStringList UserLanguages(const QStringList& uiLanguages) {
    QStringList languages;
    for (QString language : uiLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (IsEnglish(language)) {
            break;
        }
        if (!languages.contains(language)) {
            languages.append(language);
        }
    }
    return languages;
}

QString InstallTranslations(const QStringList& languages, const QString& folder) {
    for (const QString& language : languages) {
        // Qt tries the locale's names from the most precise to the plainest ("pt_Latn_PT",
        // "pt_PT", "pt"); a file that is found but does not load leaves the next language.
        auto* own = new QTranslator(QCoreApplication::instance()); // lives as long as the program
        if (!own->load(QLocale(language), Prefix, QStringLiteral("_"), folder)) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        QString installed = QFileInfo(own->filePath()).completeBaseName().mid(Prefix.size() + 1);
        // Qt's own texts, such as a text box's context menu, are only wanted once a window is
        // up, so they are read from disk after start-up. Installed last, they are looked up
        // first, but none of the program's texts is among them.
        QTimer::singleShot(0, QCoreApplication::instance(), [installed] {
            auto* qt = new QTranslator(QCoreApplication::instance());
            if (qt->load(QLocale(installed), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(qt);
            } else {
                delete qt;
            }
        });
        return installed;
    }
    return {};
}

} // namespace plovari
