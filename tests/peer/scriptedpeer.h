// A peer played by the test over a plain TCP socket: it writes exactly the bytes a test gives it and keeps
// every whole message it receives, so a session can be fed what a real device never sends.
#pragma once

#include "peerframereader.h"
#include "peerhandshake.h"

#include <QList>
#include <QObject>
#include <QTcpSocket>

class ScriptedPeer : public QObject
{
    Q_OBJECT

public:
    // A peer that calls the session on its port, from the loopback address given (any other than 127.0.0.1
    // stands for another device).
    static std::unique_ptr<ScriptedPeer> calling(quint16 port, const QHostAddress &from = QHostAddress());
    // A peer on a connection the session made to the test's listener.
    explicit ScriptedPeer(QTcpSocket *socket);

    void write(const QByteArray &bytes);
    // Closes once what was written has gone out.
    void close();
    // The handshake frame with this id and name.
    void handshake(PeerHandshake::Code code, const QString &id, const QString &name);

    // Waits (with a generous limit) for the messages received to reach count, or for the connection to close.
    bool waitForFrames(int count);
    bool waitForClosed();
    bool isClosed() const;
    // The codes of the messages received, in order.
    QList<quint32> codes() const;

private:
    std::unique_ptr<QTcpSocket> m_owned;
    QTcpSocket *m_socket;
    PeerFrameReader m_reader;
    QList<QByteArray> m_frames;
    bool m_closed = false;
};
