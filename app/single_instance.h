#pragma once
// One running copy per user: the first start listens on a local socket private to the user, a
// later start hands the activation message to it and ends without showing anything.

#include <QLocalServer>
#include <QObject>
#include <QString>

// The message a later start sends; the running copy comes to the front when it gets it.
inline constexpr int ActivationMessage = 40345;

// The socket of this user's running copy, in the user's runtime folder.
QString InstanceSocketPath();

// True when a running copy listens at the path and took the activation message.
bool HandOverToRunningCopy(const QString& socketPath);

// The first start's end of the handshake.
class InstanceServer : public QObject {
    Q_OBJECT

public:
    explicit InstanceServer(QObject* parent = nullptr);

    // Listens at the path, replacing a socket file left behind by a copy that crashed.
    bool Listen(const QString& socketPath);

signals:
    void ActivationRequested();

private:
    void ReadMessage(class QLocalSocket* socket);

    QLocalServer server_;
};
