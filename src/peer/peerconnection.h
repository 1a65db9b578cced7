// One TCP connection with a peer: its byte stream cut into messages, the handshake stage and its deadline.
#pragma once

#include "peerdiscovery.h"
#include "peerframereader.h"
#include "peerhandshake.h"

#include <QObject>
#include <QTimer>

#include <chrono>

class PeerIdentity;
class QTcpSocket;

// Until the connection is accepted it carries only the handshake: on a called connection the first message
// must be HELLO (anything else closes it), later ones wait for our decision and are dropped; on a calling
// connection only the answer counts. Song messages pass once accepted. Dropped messages are logged once per
// connection, however many a peer sends. When the deadline passes before the handshake is done the connection
// is closed. closed() is emitted once, from the event loop or from close() and abort().
class PeerConnection : public QObject
{
    Q_OBJECT

public:
    enum class Side { Calling, Called };

    // Takes the socket. The deadline runs from now until the greeting (called) or the answer (calling).
    PeerConnection(QTcpSocket *socket, Side side, std::chrono::milliseconds deadline, QObject *parent = nullptr);
    ~PeerConnection() override;

    // Calls the peer and greets it with HELLO.
    static PeerConnection *call(const FoundPeer &peer, const PeerIdentity &identity, std::chrono::milliseconds deadline,
                                QObject *parent);

    Side side() const { return m_side; }
    // Who is at the other end: as discovery found it until the handshake tells.
    const FoundPeer &peer() const { return m_peer; }
    void setPeer(const QString &id, const QString &name);
    bool isAccepted() const { return m_accepted; }
    // A called connection that has been greeted and waits for our decision.
    bool isGreeted() const { return m_greeted; }
    // Closed for good: closed() has been emitted.
    bool isClosed() const { return m_finished; }

    void sendHandshake(PeerHandshake::Code code, const PeerIdentity &identity);
    // A greeted connection waits for our decision at most this long from now.
    void restartDeadline(std::chrono::milliseconds deadline);
    // From now on song messages pass.
    void accept();
    // False, with the socket's error, when the bytes could not be handed to the connection.
    bool send(const QByteArray &bytes, QString &error);
    // Closes after what was written has gone out.
    void close();
    // Closes at once, dropping whatever was not sent yet.
    void abort();

Q_SIGNALS:
    void handshakeReceived(const PeerHandshake &handshake);
    void messageReceived(const QByteArray &message);
    void closed();

private:
    void readAvailable();
    // False when the frame ended the connection.
    bool take(const QByteArray &frame);
    bool takeBeforeAcceptance(const QByteArray &frame);
    // Logs a dropped message only for the first one: a peer may send any number of them.
    void logDropped(const QString &line);
    void expire();
    void finish();

    QTcpSocket *m_socket;
    Side m_side;
    FoundPeer m_peer;
    PeerFrameReader m_reader;
    QTimer m_deadline;
    bool m_greeted = false;
    bool m_accepted = false;
    bool m_finished = false;
    bool m_droppedLogged = false;
};
