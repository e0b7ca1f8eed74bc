#include "ViewerChannel.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <unistd.h>

namespace plovari {

namespace {

// How long one connection attempt, or one wait for an answer, may take.
constexpr int WaitMilliseconds = 1000;
// How long a new viewer waits for a live viewer that is busy or stopped for a moment. After
// that it shows the help itself rather than leave the player with nothing.
constexpr int PatienceMilliseconds = 20000;
// Rounds of handing over and taking the name, for viewers that start at the same moment.
constexpr int Attempts = 5;

/// Whether a failed connection shows that no viewer listens on the channel at all.
bool NobodyListens(QLocalSocket::LocalSocketError error) {
    return error == QLocalSocket::ServerNotFoundError ||
           error == QLocalSocket::ConnectionRefusedError;
}

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

ViewerChannel::Role ViewerChannel::Join(const QStringList& request) {
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        switch (HandOver(request)) {
        case Answer::Taken:
            return Role::HandedOver;
        case Answer::NoAnswer:
            return Role::Alone;
        case Answer::NoViewer:
            if (Listen()) {
                return Role::Serving;
            }
            break; // another viewer took the name just now: hand the request to it
        }
    }
    return Role::Alone;
}

ViewerChannel::Answer ViewerChannel::HandOver(const QStringList& request) const {
    const QDeadlineTimer patience(PatienceMilliseconds);
    while (!patience.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(Name);
        if (!socket.waitForConnected(WaitMilliseconds)) {
            if (NobodyListens(socket.error())) {
                return Answer::NoViewer;
            }
            if (socket.error() != QLocalSocket::SocketTimeoutError) {
                return Answer::NoAnswer; // the channel cannot be used
            }
            continue; // a live viewer too busy to take the connection yet
        }
        QDataStream stream(&socket);
        stream << request;
        socket.waitForBytesWritten(WaitMilliseconds);
        // The running viewer answers once it has taken the request, a busy one later. If it
        // ends meanwhile, the connection drops and the channel is looked at afresh.
        while (socket.state() == QLocalSocket::ConnectedState && !patience.hasExpired()) {
            if (socket.waitForReadyRead(WaitMilliseconds)) {
                return Answer::Taken;
            }
        }
    }
    return Answer::NoAnswer;
}

bool ViewerChannel::Listen() {
    if (Server == nullptr) {
        Server = new QLocalServer(this);
        Server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(Server, &QLocalServer::newConnection, this, &ViewerChannel::Receive);
    }
    // Viewers that start at the same moment take the name one after the other, so none
    // removes a socket that another has just made.
    QLockFile lock(Name + QStringLiteral(".lock"));
    if (!lock.tryLock(WaitMilliseconds)) {
        return false;
    }
    if (Server->listen(Name)) {
        return true;
    }
    if (Server->serverError() != QAbstractSocket::AddressInUseError) {
        return false;
    }
    // The name is held by a live viewer or by a socket that a crashed viewer left behind. Only
    // the latter refuses a connection; a live viewer takes it, however slow it is to answer.
    QLocalSocket probe;
    probe.connectToServer(Name);
    if (probe.waitForConnected(WaitMilliseconds) || !NobodyListens(probe.error())) {
        return false;
    }
    QLocalServer::removeServer(Name);
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
