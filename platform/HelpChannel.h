#pragma once

#include <QDir>
#include <QStandardPaths>
#include <QString>

namespace plovari {

/// Where the help viewers of one user meet: a socket in the user's runtime folder, which only
/// the user can open. Qt takes XDG_RUNTIME_DIR, or else a folder of the user's in the temporary
/// folder, only when the user owns it with mode 0700, and makes the latter when it is missing.
/// Empty when there is no such folder: then no viewer could tell its channel from one that
/// someone else has put in its place.
inline QString HelpChannelName() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("plovari-help"));
}

} // namespace plovari
