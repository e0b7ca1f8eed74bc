#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace plovari {

/// Lets one help viewer per user serve every help request, as a desktop's help viewer does:
/// a viewer started while another one runs hands its request over and ends, and the running
/// one shows it. The channel is a local socket in the user's runtime folder (HelpChannelName).
/// Only a viewer that finds no live viewer on the channel takes its name: a running viewer that
/// is slow to answer keeps it, and a socket left behind by a viewer that crashed is reclaimed.
/// A request is one frame of a fixed layout, answered by one reply; the serving viewer refuses
/// a frame that is malformed, too long or of another version, says why (Reported), serves on.
class ViewerChannel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ViewerChannel)
public:
    /// What became of a viewer's own request when it joined the channel.
    enum class Role {
        HandedOver, ///< a running viewer took the request: this one has nothing to show
        Serving,    ///< no viewer ran: this one holds the channel and shows the request
        Alone,      ///< a live viewer holds the channel but did not take the request in time,
                    ///< or there is no channel: this one shows the request without it
    };

    /// name: the socket's path, normally HelpChannelName(); empty for no channel.
    ViewerChannel(QString name, QObject* parent);
    ~ViewerChannel() override;

    /// The frame that hands `request` ({FILE, COMMAND}) over.
    static QByteArray RequestFrame(const QStringList& request);

    /// Hands `request` (help file and command) to the running viewer, or, when none runs,
    /// takes the channel and from then on emits Requested for every later viewer's request.
    Role Join(const QStringList& request);

signals:
    void Requested(const QStringList& request);
    /// What the viewer's user should know, a line for its standard error: a frame refused and
    /// why, or a wait for a running viewer that is slow to answer.
    void Reported(const QString& line);

private:
    enum class Answer { Taken, NoViewer, NoAnswer };
    Answer HandOver(const QStringList& request);
    /// Whether this viewer now listens; false when another viewer holds the name.
    bool Listen();
    void Receive();
    /// Takes the request on `socket` once its frame is complete, or refuses it.
    void Read(QLocalSocket* socket);
    void Refuse(QLocalSocket* socket, const QString& why);

    QString Name;
    QLocalServer* Server = nullptr;
};

} // namespace plovari
