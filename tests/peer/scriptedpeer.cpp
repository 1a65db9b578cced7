// A peer played by the test over a plain TCP socket.
#include "scriptedpeer.h"

#include "peeridentity.h"
#include "peermessage.h"

#include <QHostAddress>
#include <QTest>

namespace {
constexpr int waitLimitMs = 10000;
}

std::unique_ptr<ScriptedPeer> ScriptedPeer::calling(quint16 port, const QHostAddress &from)
{
    auto *socket = new QTcpSocket;
    auto peer = std::make_unique<ScriptedPeer>(socket);
    peer->m_owned.reset(socket);
    if (!from.isNull())
        socket->bind(from);
    socket->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    // The system completes the connection before the session takes it, so this needs no event loop.
    socket->waitForConnected(waitLimitMs);
    return peer;
}

ScriptedPeer::ScriptedPeer(QTcpSocket *socket)
    : m_socket(socket)
{
    connect(m_socket, &QTcpSocket::readyRead, this, [this] {
        m_reader.append(m_socket->readAll());
        QByteArray frame;
        while (m_reader.next(frame) == PeerFrameReader::Result::Frame)
            m_frames.append(frame);
    });
    connect(m_socket, &QTcpSocket::disconnected, this, [this] { m_closed = true; });
}

void ScriptedPeer::write(const QByteArray &bytes)
{
    m_socket->write(bytes);
    m_socket->flush();
}

void ScriptedPeer::close()
{
    m_socket->disconnectFromHost();
}

void ScriptedPeer::handshake(PeerHandshake::Code code, const QString &id, const QString &name)
{
    write(PeerHandshake::encode(code, PeerIdentity(QUuid::fromString(id), name)));
}

bool ScriptedPeer::waitForFrames(int count)
{
    return QTest::qWaitFor([&] { return m_frames.size() >= count || m_closed; }, waitLimitMs) &&
           m_frames.size() >= count;
}

bool ScriptedPeer::waitForClosed()
{
    return QTest::qWaitFor([&] { return m_closed; }, waitLimitMs);
}

bool ScriptedPeer::isClosed() const
{
    return m_closed;
}

QList<quint32> ScriptedPeer::codes() const
{
    QList<quint32> codes;
    for (const QByteArray &frame : m_frames)
        codes.append(PeerMessage::codeOf(frame));
    return codes;
}
