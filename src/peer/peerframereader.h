// Cuts the byte stream of one connection into whole peer messages.
#pragma once

#include <QByteArray>

// TCP delivers a stream: a message may arrive in many pieces, or several in one. Each message is the
// 16-byte header, whose last field is the payload length, and that many bytes.
class PeerFrameReader
{
public:
    // No song text comes near this; a longer announcement is a broken or hostile peer.
    static constexpr quint32 maxPayloadBytes = 4 * 1024 * 1024;

    enum class Result { NeedMore, Frame, TooLong };

    void append(const QByteArray &bytes);
    // Takes the next whole message (header and payload) into frame. TooLong when the message at the front
    // announces more than maxPayloadBytes; the stream cannot be read further then.
    Result next(QByteArray &frame);
    // The payload length the message at the front announces; 0 before its header is complete.
    quint32 announcedLength() const;
    // The bytes of a message not yet complete, taken out of the reader.
    QByteArray takePartial();

private:
    QByteArray m_buffer;
};
