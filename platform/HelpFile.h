#pragma once

#include <QString>
#include <QStringList>

namespace plovari {

/// Where the help viewer looks for a help file given by its bare name, in this order: the
/// folder of the program itself (the game's own folder, in a build and once installed), then
/// the installed data folder. Never the current folder. Each of the user's `languages`
/// ("pt_BR", "pt", ...) comes first, in its own subfolder of those two folders:
/// <folder>/<language>/<file>; the English file in the folders themselves comes last.
QStringList HelpSearchPath(const QString& programFolder, const QStringList& languages = {});

/// Whether `name` is a file name alone, with no folder in it.
bool IsBareFileName(const QString& name);

/// The path of `name` in the first of `folders` that holds it, or an empty string. Only a bare
/// file name is looked up: a name with a folder in it is never found.
QString FindHelpFile(const QString& name, const QStringList& folders);

} // namespace plovari
