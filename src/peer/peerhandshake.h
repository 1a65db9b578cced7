// The greeting two devices exchange before any song message: who is calling, and whether it is welcome.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class PeerIdentity;

// A handshake frame has the header of every peer message: its code, the protocol version in the line field,
// checksum 0, and as payload the sender's JSON object {"id", "name", "version"} of at most 4 KiB. The caller
// sends HELLO; the called device answers ACCEPT (with its own identity) or DECLINE. Song messages flow only
// after ACCEPT.
struct PeerHandshake
{
    enum Code : quint32 {
        Hello = 0x564C0001,
        Accept = 0x564C0002,
        Decline = 0x564C0003,
    };

    static constexpr quint32 protocolVersion = 1;
    static constexpr int maxPayloadBytes = 4096;

    Code code = Hello;
    QString id;
    QString name;
    QString version;

    // The frame with the identity and this program's version.
    static QByteArray encode(Code code, const PeerIdentity &identity);
    static bool isHandshakeCode(quint32 code);
    // The handshake in a whole frame; nothing, with the reason logged, when the frame is no handshake of our
    // protocol version or its payload is not an identity (an id and a name, as text).
    static std::optional<PeerHandshake> decode(const QByteArray &frame);
};
