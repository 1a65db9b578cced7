#include "peermessage.h"

#include "log.h"

#include <QStringDecoder>
#include <QtEndian>

namespace {

void appendNumber(QByteArray &bytes, quint32 number)
{
    char field[4];
    qToLittleEndian(number, field);
    bytes.append(field, sizeof field);
}

quint32 numberAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

} // namespace

QByteArray PeerMessage::encode() const
{
    const QByteArray text = payload.toUtf8();
    QByteArray bytes;
    bytes.reserve(kHeaderSize + text.size());
    appendNumber(bytes, code);
    appendNumber(bytes, line);
    appendNumber(bytes, checksum);
    appendNumber(bytes, quint32(text.size()));
    bytes.append(text);
    return bytes;
}

std::optional<PeerMessage> PeerMessage::parseMessage(const QByteArray &bytes)
{
    if (bytes.size() < kHeaderSize) {
        Log::write(QStringLiteral("Length too short, data ignored"));
        return std::nullopt;
    }
    const quint32 length = payloadLengthOf(bytes);
    // Compared in 64 bits: an announced length near 2^32 must not wrap around past the check.
    if (quint64(length) + kHeaderSize > quint64(bytes.size())) {
        Log::write(QStringLiteral("Received length %1 too short for required length %2, data ignored")
                       .arg(bytes.size())
                       .arg(length));
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString payload = decoder.decode(QByteArrayView(bytes).sliced(kHeaderSize, length));
    if (decoder.hasError()) {
        Log::write(QStringLiteral("Invalid string (not UTF8), ignored"));
        return std::nullopt;
    }
    return PeerMessage{codeOf(bytes), numberAt(bytes, 4), numberAt(bytes, 8), payload};
}

quint32 PeerMessage::codeOf(const QByteArray &bytes)
{
    return numberAt(bytes, 0);
}

quint32 PeerMessage::payloadLengthOf(const QByteArray &bytes)
{
    return numberAt(bytes, 12);
}

quint32 PeerMessage::transposeLine(int transpose)
{
    const int remainder = transpose % 12;
    return quint32(transpose >= 0 ? transpose : (remainder == 0 ? 0 : remainder + 12));
}
