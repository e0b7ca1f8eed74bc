#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace plovari {

/// Lets one help viewer per user serve every help request, as a desktop's help viewer does:
/// a viewer started while another one runs hands its request over and ends, and the running
/// one shows it. The channel is a local socket in the user's runtime folder. Only a viewer
/// that finds no live viewer on the channel takes its name: a running viewer that is slow to
/// answer keeps it, and a socket left behind by a viewer that crashed is reclaimed.
class ViewerChannel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ViewerChannel)
public:
    /// What became of a viewer's own request when it joined the channel.
    enum class Role {
        HandedOver, ///< a running viewer took the request: this one has nothing to show
        Serving,    ///< no viewer ran: this one holds the channel and shows the request
        Alone,      ///< a live viewer holds the channel but did not answer in time, or the
                    ///< channel cannot be used: this one shows the request without it
    };

    /// name: the socket's path, normally DefaultName().
    ViewerChannel(QString name, QObject* parent);
    ~ViewerChannel() override;

    /// The user's own channel: in XDG_RUNTIME_DIR when it is set, else in the temporary folder.
    static QString DefaultName();

    /// Hands `request` (help file and command) to the running viewer, or, when none runs,
    /// takes the channel and from then on emits Requested for every later viewer's request.
    Role Join(const QStringList& request);

signals:
    void Requested(const QStringList& request);

private:
    enum class Answer { Taken, NoViewer, NoAnswer };
    Answer HandOver(const QStringList& request) const;
    /// Whether this viewer now listens; false when another viewer holds the name.
    bool Listen();
    void Receive();

    QString Name;
    QLocalServer* Server = nullptr;
};

} // namespace plovari
