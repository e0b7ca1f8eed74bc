#include "HelpFile.h"

#include <QDir>
#include <QFileInfo>

namespace plovari {

QStringList HelpSearchPath(const QString& programFolder) {
    const QDir program(programFolder);
    return {QDir::cleanPath(program.absolutePath()),
            QDir::cleanPath(program.absoluteFilePath(QStringLiteral(PLOVARI_DATA_FROM_BIN)))};
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
