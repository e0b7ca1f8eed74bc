#include "ViewerChannel.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <utility>

namespace plovari {

namespace {

// How long one connection attempt, or one wait for an answer, may take.
constexpr int WaitMilliseconds = 1000;
// How long a new viewer waits for a live viewer that is busy or stopped for a moment. After
// that it shows the help itself rather than leave the player with nothing.
constexpr int PatienceMilliseconds = 20000;
// Rounds of handing over and taking the name, for viewers that start at the same moment.
constexpr int Attempts = 5;

// The frames. A request: Magic, FrameVersion, the size of its body in bytes and the body, the
// help file and the help command as two strings. A reply: Magic, FrameVersion and whether the
// request was taken. One fixed stream version, so that viewers built with another Qt agree.
constexpr quint32 Magic = 0x504c5648; // "PLVH"
constexpr quint16 FrameVersion = 1;
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;
constexpr qint64 HeaderBytes = 4 + 2 + 4;
constexpr qint64 ReplyBytes = 4 + 2 + 1;
// A help file's name and a help command are short; anything longer is no viewer's request.
constexpr quint32 MaxBodyBytes = 4096;

QByteArray Reply(bool taken) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(StreamVersion);
    stream << Magic << FrameVersion << quint8(taken ? 1 : 0);
    return bytes;
}

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

QByteArray ViewerChannel::RequestFrame(const QStringList& request) {
    QByteArray body;
    QDataStream bodyStream(&body, QIODevice::WriteOnly);
    bodyStream.setVersion(StreamVersion);
    bodyStream << request.value(0) << request.value(1);
    QByteArray frame;
    QDataStream stream(&frame, QIODevice::WriteOnly);
    stream.setVersion(StreamVersion);
    stream << Magic << FrameVersion << quint32(body.size());
    return frame + body;
}

ViewerChannel::Role ViewerChannel::Join(const QStringList& request) {
    if (Name.isEmpty()) {
        return Role::Alone;
    }
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

ViewerChannel::Answer ViewerChannel::HandOver(const QStringList& request) {
    const QDeadlineTimer patience(PatienceMilliseconds);
    bool told = false;
    const auto tellWaiting = [this, &told] {
        if (!std::exchange(told, true)) {
            emit Reported(tr("the running help viewer is slow to answer; waiting for it"));
        }
    };
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
            tellWaiting(); // a live viewer too busy to take the connection yet
            continue;
        }
        socket.write(RequestFrame(request));
        socket.waitForBytesWritten(WaitMilliseconds);
        // The running viewer answers once it has taken the request, a busy one later. If it
        // ends meanwhile, the connection drops and the channel is looked at afresh.
        while (socket.bytesAvailable() < ReplyBytes &&
               socket.state() == QLocalSocket::ConnectedState && !patience.hasExpired()) {
            if (!socket.waitForReadyRead(WaitMilliseconds) &&
                socket.state() == QLocalSocket::ConnectedState) {
                tellWaiting();
            }
        }
        if (socket.bytesAvailable() >= ReplyBytes) {
            // Any other reply is a refusal, or comes from no viewer of this kind.
            return socket.read(ReplyBytes) == Reply(true) ? Answer::Taken : Answer::NoAnswer;
        }
    }
    return Answer::NoAnswer;
}

bool ViewerChannel::Listen() {
    if (Server == nullptr) {
        // No socket options: with them Qt makes the socket elsewhere and renames it into place,
        // over any socket of the name, where a plain listen refuses a name that is taken. The
        // runtime folder keeps everyone else out.
        Server = new QLocalServer(this);
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
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
    }
}

void ViewerChannel::Read(QLocalSocket* socket) {
    if (socket->bytesAvailable() < HeaderBytes) {
        return; // the rest is still on its way
    }
    QDataStream header(socket->peek(HeaderBytes));
    header.setVersion(StreamVersion);
    quint32 magic = 0;
    quint16 version = 0;
    quint32 size = 0;
    header >> magic >> version >> size;
    if (magic != Magic) {
        return Refuse(socket, tr("refused a help request that is not well formed"));
    }
    if (version != FrameVersion) {
        //: %1 and %2 are numbers.
        return Refuse(socket, tr("refused a help request of channel version %1; this viewer "
                                 "takes version %2")
                                  .arg(version)
                                  .arg(FrameVersion));
    }
    if (size > MaxBodyBytes) {
        //: %1 and %2 are numbers.
        return Refuse(socket, tr("refused a help request of %1 bytes; this viewer takes at "
                                 "most %2")
                                  .arg(size)
                                  .arg(MaxBodyBytes));
    }
    if (socket->bytesAvailable() < HeaderBytes + size) {
        return;
    }
    socket->skip(HeaderBytes);
    const QByteArray bytes = socket->read(size);
    QDataStream body(bytes);
    body.setVersion(StreamVersion);
    QString file;
    QString command;
    body >> file >> command;
    if (body.status() != QDataStream::Ok || !body.atEnd()) {
        return Refuse(socket, tr("refused a help request that is not well formed"));
    }
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->write(Reply(true));
    socket->disconnectFromServer();
    emit Requested({file, command});
}

void ViewerChannel::Refuse(QLocalSocket* socket, const QString& why) {
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->write(Reply(false));
    socket->disconnectFromServer();
    emit Reported(why);
}

} // namespace plovari
