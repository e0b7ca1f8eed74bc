#include "Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

namespace plovari {

namespace {

/// Where the build embeds the programs' translations: one file plovari_<language>.qm each.
const QString Embedded = QStringLiteral(":/i18n/plovari_%1.qm");

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

QString InstallTranslations(const QStringList& languages) {
    for (const QString& language : languages) {
        const QString file = Embedded.arg(language);
        if (!QFileInfo::exists(file)) {
            continue;
        }
        // Both live as long as the program.
        auto* own = new QTranslator(QCoreApplication::instance());
        if (!own->load(file)) {
            delete own;
            return {};
        }
        QCoreApplication::installTranslator(own);
        // Qt's own texts, such as a text box's context menu, are only wanted once a window is
        // up, so they are read from disk after start-up. Installed last, they are looked up
        // first, but none of the program's texts is among them.
        QTimer::singleShot(0, QCoreApplication::instance(), [language] {
            auto* qt = new QTranslator(QCoreApplication::instance());
            if (qt->load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(qt);
            } else {
                delete qt;
            }
        });
        return language;
    }
    return {};
}

} // namespace plovari
