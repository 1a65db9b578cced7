// One instance per support folder over QLocalSocket: the message is the list of paths in a QDataStream.
#include "singleinstance.h"

#include "log.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

QString SingleInstance::serverNameFor(const QString &supportDirectory)
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    const QByteArray hash =
        QCryptographicHash::hash(QDir(supportDirectory).absolutePath().toUtf8(), QCryptographicHash::Sha256);
    return folder + QStringLiteral("/vellorin-") + QString::fromLatin1(hash.toHex().left(16));
}

SingleInstance::SingleInstance(QString serverName, QObject *parent)
    : QObject(parent)
    , m_serverName(std::move(serverName))
{}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver(const QStringList &paths, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QStringList absolute;
    for (const QString &path : paths)
        absolute.append(QFileInfo(path).absoluteFilePath());
    QByteArray message;
    QDataStream stream(&message, QIODevice::WriteOnly);
    stream << absolute;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody answered handOver, so a socket file still there was left by an instance that was killed.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName)) {
        Log::write(
            QStringLiteral("Cannot listen for a second start on %1: %2").arg(m_serverName, m_server->errorString()));
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::receive);
    return true;
}

// Reads one message to its end: the sender disconnects once it has written it.
void SingleInstance::receive()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            QStringList paths;
            QDataStream stream(socket->readAll());
            stream >> paths;
            socket->deleteLater();
            if (stream.status() != QDataStream::Ok) {
                Log::write(QStringLiteral("A second start sent a message that cannot be read"));
                return;
            }
            Q_EMIT filesHandedOver(paths);
        });
    }
}
