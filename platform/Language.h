#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace plovari {

/// The user's languages in the order Qt reads them from the locale (LANGUAGE, LC_ALL,
/// LC_MESSAGES, LANG), as names like "pt_BR", "pt", up to the first English one: English is
/// the programs' own language, so nothing after it is ever chosen. Empty for "C" and for any
/// English locale. `uiLanguages` as QLocale gives them ("pt-BR", "pt-Latn-BR", "pt").
QStringList UserLanguages(const QStringList& uiLanguages = QLocale::system().uiLanguages());

/// Installs, once at start-up, the translation of the first of the user's languages that the
/// programs ship and that loads from `folder` (where the build embeds them), and Qt's own
/// translation of that language once the event loop runs. A language is also served by a
/// translation of its plainer form ("de_AT" by "de"). Returns the language installed ("de",
/// "pt_BR") or an empty string: then no translator is installed and every text stays exactly
/// as written.
QString InstallTranslations(const QStringList& languages = UserLanguages(),
                            const QString& folder = QStringLiteral(":/i18n"));

} // namespace plovari
