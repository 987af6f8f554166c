#include "shell/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tessaro {
namespace {

constexpr int HandOverWaitMs = 3000;

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

QString channelOf(const QString& folder)
{
    return folder + "/tessaro.socket";
}

} // namespace

SingleInstance::SingleInstance(const QString& folder)
    : folder_(folder.isEmpty() ? runtimeFolder() : folder)
{
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(folder_ + "/tessaro.lock");
    lock_->setStaleLockTime(0); // a lock is stale only when its program is gone
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    if (!lock_->tryLock(0))
        return false;
    listen();
    return true;
}

void SingleInstance::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours: a channel left behind by an ended program is stale.
    QLocalServer::removeServer(channelOf(folder_));
    if (!server_->listen(channelOf(folder_)))
        return;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                const QStringList paths = QString::fromUtf8(socket->readAll()).split('\n', Qt::SkipEmptyParts);
                socket->deleteLater();
                for (const QString& path : paths)
                    emit fileRequested(path);
            });
        }
    });
}

bool SingleInstance::handOver(const QString& path)
{
    QLocalSocket socket;
    socket.connectToServer(channelOf(folder_));
    if (!socket.waitForConnected(HandOverWaitMs))
        return false;
    socket.write(path.toUtf8() + '\n');
    const bool written = socket.waitForBytesWritten(HandOverWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(HandOverWaitMs);
    return written;
}

} // namespace tessaro
