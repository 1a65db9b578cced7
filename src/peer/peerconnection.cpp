// One TCP connection with a peer: its byte stream cut into messages, the handshake stage and its deadline.
#include "peerconnection.h"

#include "log.h"
#include "peermessage.h"

#include <QPointer>
#include <QTcpSocket>

PeerConnection::PeerConnection(QTcpSocket *socket, Side side, std::chrono::milliseconds deadline, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_side(side)
{
    m_socket->setParent(this);
    // A socket takes options only once it has a connection: a called one has it now, a calling one later.
    const auto keepAlive = [this] { m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1); };
    keepAlive();
    connect(m_socket, &QTcpSocket::connected, this, keepAlive);
    m_peer.address = m_socket->peerAddress();
    m_peer.port = m_socket->peerPort();
    m_peer.name = QStringLiteral("%1:%2").arg(m_peer.address.toString()).arg(m_peer.port);
    connect(m_socket, &QTcpSocket::readyRead, this, &PeerConnection::readAvailable);
    connect(m_socket, &QTcpSocket::disconnected, this, &PeerConnection::finish);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error != QAbstractSocket::RemoteHostClosedError)
            Log::write(QStringLiteral("Connection with peer %1 failed: %2").arg(m_peer.name, m_socket->errorString()));
        if (m_socket->state() == QAbstractSocket::UnconnectedState)
            finish();
    });
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &PeerConnection::expire);
    m_deadline.start(deadline);
}

PeerConnection::~PeerConnection()
{
    // The socket goes with us; what it says while closing is not news to anyone.
    m_socket->disconnect(this);
}

PeerConnection *PeerConnection::call(const FoundPeer &peer, const PeerIdentity &identity,
                                     std::chrono::milliseconds deadline, QObject *parent)
{
    auto *connection = new PeerConnection(new QTcpSocket, Side::Calling, deadline, parent);
    connection->m_peer = peer;
    connection->m_socket->connectToHost(peer.address, peer.port);
    // Written while connecting, it goes out as soon as the connection stands.
    connection->sendHandshake(PeerHandshake::Hello, identity);
    return connection;
}

void PeerConnection::setPeer(const QString &id, const QString &name)
{
    m_peer.id = id;
    m_peer.name = name;
}

void PeerConnection::sendHandshake(PeerHandshake::Code code, const PeerIdentity &identity)
{
    QString error;
    if (!send(PeerHandshake::encode(code, identity), error))
        Log::write(QStringLiteral("Could not greet peer %1: %2").arg(m_peer.name, error));
}

void PeerConnection::restartDeadline(std::chrono::milliseconds deadline)
{
    m_deadline.start(deadline);
}

void PeerConnection::accept()
{
    m_deadline.stop();
    m_accepted = true;
}

bool PeerConnection::send(const QByteArray &bytes, QString &error)
{
    if (m_socket->write(bytes) == bytes.size())
        return true;
    error = m_socket->errorString();
    return false;
}

void PeerConnection::close()
{
    m_deadline.stop();
    if (m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->disconnectFromHost();
    else
        abort();
}

void PeerConnection::readAvailable()
{
    m_reader.append(m_socket->readAll());
    const QPointer<PeerConnection> alive(this);
    QByteArray frame;
    for (;;) {
        switch (m_reader.next(frame)) {
        case PeerFrameReader::Result::NeedMore:
            return;
        case PeerFrameReader::Result::TooLong:
            Log::write(QStringLiteral("Peer %1 announced %2 bytes, more than %3, connection closed")
                           .arg(m_peer.name)
                           .arg(m_reader.announcedLength())
                           .arg(PeerFrameReader::maxPayloadBytes));
            m_reader.takePartial();
            abort();
            return;
        case PeerFrameReader::Result::Frame:
            // A handler may close or end this connection.
            if (!take(frame) || !alive || m_finished)
                return;
        }
    }
}

bool PeerConnection::take(const QByteArray &frame)
{
    if (!m_accepted)
        return takeBeforeAcceptance(frame);
    if (PeerHandshake::isHandshakeCode(PeerMessage::codeOf(frame)))
        logDropped(QStringLiteral("Handshake from peer %1 after it was accepted, ignored").arg(m_peer.name));
    else
        Q_EMIT messageReceived(frame);
    return true;
}

bool PeerConnection::takeBeforeAcceptance(const QByteArray &frame)
{
    const quint32 code = PeerMessage::codeOf(frame);
    if (m_side == Side::Called && !m_greeted) {
        if (code != PeerHandshake::Hello) {
            Log::write(QStringLiteral("First message from %1 is no greeting, connection closed").arg(m_peer.name));
            abort();
            return false;
        }
    } else if (m_side == Side::Called || (code != PeerHandshake::Accept && code != PeerHandshake::Decline)) {
        logDropped(QStringLiteral("Message %1 from peer %2 before the connection was accepted, dropped")
                       .arg(code)
                       .arg(m_peer.name));
        return true;
    }
    const auto handshake = PeerHandshake::decode(frame);
    if (!handshake) {
        abort();
        return false;
    }
    m_deadline.stop();
    m_greeted = true;
    Q_EMIT handshakeReceived(*handshake);
    return true;
}

void PeerConnection::logDropped(const QString &line)
{
    if (!std::exchange(m_droppedLogged, true))
        Log::write(line);
}

void PeerConnection::expire()
{
    if (m_side == Side::Calling)
        Log::write(QStringLiteral("No answer from peer %1 in time, connection closed").arg(m_peer.name));
    else if (m_greeted)
        Log::write(QStringLiteral("No decision on peer %1 in time, connection closed").arg(m_peer.name));
    else
        Log::write(QStringLiteral("No greeting from %1 in time, connection closed").arg(m_peer.name));
    abort();
}

void PeerConnection::abort()
{
    m_deadline.stop();
    m_socket->abort();
    finish();
}

void PeerConnection::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_deadline.stop();
    // A message cut off by the closing goes through the same checks as a whole one, which log what is wrong.
    const QByteArray partial = m_reader.takePartial();
    if (m_accepted && !partial.isEmpty())
        Q_EMIT messageReceived(partial);
    Q_EMIT closed();
}
