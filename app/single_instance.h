#pragma once
// One running copy per user: the first start holds a lock and listens on a local socket private
// to the user; a later start hands the activation message to it and ends without showing
// anything.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalSocket;

// The message a later start sends; the running copy comes to the front when it gets it.
inline constexpr int ActivationMessage = 40345;

// The socket of this user's running copy, in the user's runtime folder.
QString InstanceSocketPath();

// True when the running copy took the activation message. A copy that has only just started
// is given a few seconds to begin listening.
bool HandOverToRunningCopy(const QString& socketPath);

// The running copy's end of the handshake.
class InstanceServer : public QObject {
    Q_OBJECT

public:
    explicit InstanceServer(const QString& socketPath, QObject* parent = nullptr);

    // Makes this process the user's running copy and listens for later starts. False when
    // another live copy holds that place, even one that started at the same moment.
    bool Claim();

signals:
    void ActivationRequested();

private:
    void ReadMessage(QLocalSocket* socket);

    QString socketPath_;
    QLockFile lock_;
    QLocalServer server_;
};
