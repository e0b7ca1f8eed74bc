#include "HelpFile.h"

#include <QDir>
#include <QFileInfo>

namespace plovari {

QStringList HelpSearchPath(const QString& programFolder, const QStringList& languages) {
    const QDir program(programFolder);
    const QStringList english{
        QDir::cleanPath(program.absolutePath()),
        QDir::cleanPath(program.absoluteFilePath(QStringLiteral(PLOVARI_DATA_FROM_BIN)))};
    QStringList folders;
    for (const QString& language : languages) {
        // Only a plain language name, so that no name can lead out of the help folders.
        if (!IsBareFileName(language)) {
            continue;
        }
        for (const QString& folder : english) {
            folders.append(QDir(folder).filePath(language));
        }
    }
    return folders + english;
}

bool IsBareFileName(const QString& name) {
    return !name.isEmpty() && QFileInfo(name).fileName() == name && name != QStringLiteral(".") &&
           name != QStringLiteral("..");
}

QString FindHelpFile(const QString& name, const QStringList& folders) {
    if (!IsBareFileName(name)) {
        return {};
    }
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

} // namespace plovari
