// Cuts the byte stream of one connection into whole peer messages.
#include "peerframereader.h"

#include "peermessage.h"

void PeerFrameReader::append(const QByteArray &bytes)
{
    m_buffer.append(bytes);
}

PeerFrameReader::Result PeerFrameReader::next(QByteArray &frame)
{
    if (m_buffer.size() < PeerMessage::kHeaderSize)
        return Result::NeedMore;
    const quint32 length = announcedLength();
    if (length > maxPayloadBytes)
        return Result::TooLong;
    const qsizetype size = PeerMessage::kHeaderSize + qsizetype(length);
    if (m_buffer.size() < size)
        return Result::NeedMore;
    frame = m_buffer.left(size);
    m_buffer.remove(0, size);
    return Result::Frame;
}

quint32 PeerFrameReader::announcedLength() const
{
    if (m_buffer.size() < PeerMessage::kHeaderSize)
        return 0;
    return PeerMessage::payloadLengthOf(m_buffer);
}

QByteArray PeerFrameReader::takePartial()
{
    return std::exchange(m_buffer, QByteArray());
}
