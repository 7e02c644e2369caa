#include "app/single_instance.h"

#include <QByteArray>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {

// Long enough for a copy that is busy listing names to accept the connection.
constexpr int HandshakeTimeoutMs = 2000;

QByteArray EncodedMessage() {
    return QByteArray::number(ActivationMessage) + '\n';
}

}  // namespace

QString InstanceSocketPath() {
    // The user id in the name keeps two users apart even where the runtime folder is shared.
    const QString name = QStringLiteral("MorvendaQiming-%1").arg(getuid());
    const QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtimeDir.isEmpty() ? name : runtimeDir + QLatin1Char('/') + name;
}

bool HandOverToRunningCopy(const QString& socketPath) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(HandshakeTimeoutMs)) {
        return false;
    }
    socket.write(EncodedMessage());
    const bool sent = socket.waitForBytesWritten(HandshakeTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(HandshakeTimeoutMs);
    }
    return sent;
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadMessage(socket); });
            ReadMessage(socket);
        }
    });
}

bool InstanceServer::Listen(const QString& socketPath) {
    if (server_.listen(socketPath)) {
        return true;
    }
    // Nobody answered the handshake, so the file is a leftover, not a live copy.
    QLocalServer::removeServer(socketPath);
    return server_.listen(socketPath);
}

void InstanceServer::ReadMessage(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        if (socket->readLine().trimmed() == EncodedMessage().trimmed()) {
            emit ActivationRequested();
        }
    }
}
