#include "app/single_instance.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace {

// Long enough for a copy that is still starting, or busy listing names, to answer.
constexpr int HandshakeTimeoutMs = 5000;
constexpr int RetryPauseMs = 20;

QByteArray EncodedMessage() {
    return QByteArray::number(ActivationMessage);
}

}  // namespace

QString InstanceSocketPath() {
    // The user id in the name keeps two users apart even where the runtime folder is shared.
    const QString name = QStringLiteral("MorvendaQiming-%1").arg(getuid());
    const QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtimeDir.isEmpty() ? name : runtimeDir + QLatin1Char('/') + name;
}

bool HandOverToRunningCopy(const QString& socketPath) {
    const QDeadlineTimer deadline(HandshakeTimeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(RetryPauseMs);
    }
    socket.write(EncodedMessage() + '\n');
    const bool sent = socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(static_cast<int>(deadline.remainingTime()));
    }
    return sent;
}

InstanceServer::InstanceServer(const QString& socketPath, QObject* parent)
    : QObject(parent), socketPath_(socketPath), lock_(socketPath + QStringLiteral(".lock")) {
    // The lock lasts as long as the copy runs; only a dead owner makes it stale, never its age.
    lock_.setStaleLockTime(0);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadMessage(socket); });
            ReadMessage(socket);
        }
    });
}

bool InstanceServer::Claim() {
    if (!lock_.tryLock(0)) {
        return false;
    }
    // Holding the lock, any socket file at the path is a leftover of a copy that crashed.
    QLocalServer::removeServer(socketPath_);
    if (!server_.listen(socketPath_)) {
        qWarning("Later starts cannot reach this copy: %s", qPrintable(server_.errorString()));
    }
    return true;
}

void InstanceServer::ReadMessage(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        if (socket->readLine().trimmed() == EncodedMessage()) {
            emit ActivationRequested();
        }
    }
}
