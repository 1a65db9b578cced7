// The transport under nearby sharing: the peers connected now, and one message sent to all of them at once.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// A session joins this device with the nearby devices it is connected to. Everything happens on the main
// thread: a session that reads on other threads hands its signals to the main thread before emitting them.
// A session never delivers this device's own messages back to it, and decides itself which invitations it
// accepts. Ending the session (destroying it) disconnects every peer and emits nothing more.
class PeerSession : public QObject
{
    Q_OBJECT

public:
    // Makes the session of one sharing period; the application holds one when sessions can be made at all.
    using Maker = std::function<std::unique_ptr<PeerSession>()>;

    using QObject::QObject;
    ~PeerSession() override = default;

    // The display names of the peers connected now, in the order they connected.
    virtual QStringList connectedPeerNames() const = 0;
    // Sends one message to every connected peer as it is, without waiting for it to arrive (a peer may miss it).
    // False with a readable error when it could not be sent; with no peer connected nothing is sent and it is true.
    virtual bool send(const QByteArray &message, QString &error) = 0;

Q_SIGNALS:
    // One whole message as a peer sent it (unchecked bytes), with the peer's display name.
    void messageReceived(const QByteArray &bytes, const QString &peerName);
    // The peer is connected now (connectedPeerNames() holds it already) or no longer (it holds it no more).
    void peerConnected(const QString &peerName);
    void peerDisconnected(const QString &peerName);
};
