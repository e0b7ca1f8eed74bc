#include "ViewerChannel.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace plovari {

namespace {

// Long enough for a busy desktop, short enough that a stale socket does not delay the viewer.
constexpr int WaitMilliseconds = 1000;

} // namespace

ViewerChannel::ViewerChannel(QString name, QObject* parent)
    : QObject(parent)
    , Name(std::move(name)) {}

ViewerChannel::~ViewerChannel() = default;

QString ViewerChannel::DefaultName() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = runtime.isEmpty() ? QDir::tempPath() : runtime;
    return QDir(folder).filePath(QStringLiteral("plovari-help-%1").arg(getuid()));
}

bool ViewerChannel::HandOver(const QStringList& request) const {
    QLocalSocket socket;
    socket.connectToServer(Name);
    if (!socket.waitForConnected(WaitMilliseconds)) {
        return false;
    }
    QDataStream stream(&socket);
    stream << request;
    // The running viewer answers once it has taken the request.
    return socket.waitForBytesWritten(WaitMilliseconds) &&
           socket.waitForReadyRead(WaitMilliseconds);
}

bool ViewerChannel::Listen() {
    Server = new QLocalServer(this);
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a viewer that crashed would block the name.
    QLocalServer::removeServer(Name);
    connect(Server, &QLocalServer::newConnection, this, &ViewerChannel::Receive);
    return Server->listen(Name);
}

void ViewerChannel::Receive() {
    while (QLocalSocket* socket = Server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream stream(socket);
            stream.startTransaction();
            QStringList request;
            stream >> request;
            if (!stream.commitTransaction()) {
                return; // the rest is still on its way
            }
            socket->write("ok");
            socket->flush();
            emit Requested(request);
        });
    }
}

} // namespace plovari
