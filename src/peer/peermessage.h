// One message between nearby devices: a fixed header and a UTF-8 text.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// On the wire: code, line, checksum and payload length, each an unsigned 32-bit little-endian number (16 bytes),
// then the payload as UTF-8 without a terminator. Bytes after the payload are not part of the message.
struct PeerMessage
{
    enum Code : quint32 {
        ShowSong = 0,   // payload: the song's reference; checksum: the song's
        NeedSong = 1,   // payload: the reference; checksum: the version wanted, 0 for any
        SongText = 2,   // payload: the song's whole text; checksum: the song's
        ScrollLine = 3, // payload: the reference; line: a line of the song. Never sent, ignored on receipt
        Transpose = 4,  // payload: the reference; line: the transposition in half-tones, 0 to 11 when sent
    };

    static constexpr int kHeaderSize = 16;

    quint32 code = ShowSong;
    quint32 line = 0;
    quint32 checksum = 0;
    QString payload;

    QByteArray encode() const;
    // The message in bytes received from a peer; nullopt (and the reason logged) when they are too short for
    // the header or for the length it announces, or the payload is not UTF-8.
    static std::optional<PeerMessage> parseMessage(const QByteArray &bytes);
    // Fields of the header at the start of bytes, which hold at least kHeaderSize of them.
    static quint32 codeOf(const QByteArray &bytes);
    static quint32 payloadLengthOf(const QByteArray &bytes);
    // A transposition in half-tones as a line: raised by the smallest multiple of 12 that makes it 0 or more.
    static quint32 transposeLine(int transpose);
};
