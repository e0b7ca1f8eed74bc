#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace plovari {

/// Lets one help viewer per user serve every help request, as a desktop's help viewer does:
/// a viewer started while another one runs hands its request over and ends, and the running
/// one shows it. The channel is a local socket in the user's runtime folder.
class ViewerChannel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ViewerChannel)
public:
    /// name: the socket's path, normally DefaultName().
    ViewerChannel(QString name, QObject* parent);
    ~ViewerChannel() override;

    /// The user's own channel: in XDG_RUNTIME_DIR when it is set, else in the temporary folder.
    static QString DefaultName();

    /// Hands a request (help file and command) to a running viewer; whether one took it.
    bool HandOver(const QStringList& request) const;
    /// Starts taking requests; emits Requested for each. Whether it could.
    bool Listen();

signals:
    void Requested(const QStringList& request);

private:
    void Receive();

    QString Name;
    QLocalServer* Server = nullptr;
};

} // namespace plovari
