// One instance per support folder over QLocalSocket: the message is the list of paths in a QDataStream.
#include "singleinstance.h"

#include "log.h"
#include "privatefolder.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <sys/socket.h>
#include <unistd.h>

std::optional<uint> SingleInstance::peerUserOf(qintptr socketDescriptor)
{
    ucred credentials = {};
    socklen_t size = sizeof(credentials);
    if (::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
        size != sizeof(credentials))
        return std::nullopt;
    return credentials.uid;
}

QString SingleInstance::serverNameFor(const QString &supportDirectory)
{
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QFileInfo(base).isDir())
        base = QDir::tempPath();
    const QByteArray hash =
        QCryptographicHash::hash(QDir(supportDirectory).absolutePath().toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("%1/vellorin-%2/vellorin-%3")
        .arg(base)
        .arg(::geteuid())
        .arg(QString::fromLatin1(hash.toHex().left(16)));
}

SingleInstance::SingleInstance(QString serverName, PeerUser peerUser, QObject *parent)
    : QObject(parent)
    , m_serverName(std::move(serverName))
    , m_peerUser(std::move(peerUser))
{}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver(const QStringList &paths, int timeoutMs)
{
    if (!ensureFolder())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    if (!isSameUser(socket.socketDescriptor())) {
        Log::write(
            QStringLiteral("The program listening on %1 runs as another user, nothing handed over").arg(m_serverName));
        return false;
    }
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
    if (!ensureFolder())
        return false;
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

bool SingleInstance::ensureFolder() const
{
    QString error;
    if (PrivateFolder::ensure(QFileInfo(m_serverName).path(), error))
        return true;
    Log::write(QStringLiteral("No single running program: %1").arg(error));
    return false;
}

bool SingleInstance::isSameUser(qintptr socketDescriptor) const
{
    const std::optional<uint> user = m_peerUser(socketDescriptor);
    return user && *user == ::geteuid();
}

// Reads one message to its end: the sender disconnects once it has written it. A sender of another user is
// cut off before anything it sent is read.
void SingleInstance::receive()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (!isSameUser(socket->socketDescriptor())) {
            Log::write(QStringLiteral("Refused a second start by another user"));
            socket->abort();
            socket->deleteLater();
            continue;
        }
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
