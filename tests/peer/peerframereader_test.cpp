// Cutting a connection's byte stream into whole messages, however the stream is split.
#include "peerframereader.h"
#include "peermessage.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray message(const QString &payload)
{
    PeerMessage m;
    m.payload = payload;
    return m.encode();
}

QByteArray header(quint32 length)
{
    QByteArray bytes(16, '\0');
    qToLittleEndian(length, bytes.data() + 12);
    return bytes;
}

// Feeds the stream in pieces of the given size and collects the whole messages.
QList<QByteArray> read(const QByteArray &stream, qsizetype piece)
{
    PeerFrameReader reader;
    QList<QByteArray> frames;
    for (qsizetype at = 0; at < stream.size(); at += piece) {
        reader.append(stream.mid(at, piece));
        QByteArray frame;
        while (reader.next(frame) == PeerFrameReader::Result::Frame)
            frames.append(frame);
    }
    return frames;
}

} // namespace

TEST(PeerFrameReader, WholeMessagesComeOutHoweverTheStreamIsSplit)
{
    const QList<QByteArray> sent = {message(QStringLiteral("Amazing Grace")), message(QString()),
                                    message(QString(300, u'x'))};
    const QByteArray stream = sent.join();
    for (const qsizetype piece : {qsizetype(1), qsizetype(7), qsizetype(16), qsizetype(17), stream.size()})
        EXPECT_EQ(read(stream, piece), sent) << piece;
}

TEST(PeerFrameReader, AnnouncementsOverFourMebibytesAreRefused)
{
    const struct
    {
        quint32 length;
        PeerFrameReader::Result result;
    } cases[] = {
        {4 * 1024 * 1024, PeerFrameReader::Result::NeedMore},
        {4 * 1024 * 1024 + 1, PeerFrameReader::Result::TooLong},
        {5 * 1024 * 1024, PeerFrameReader::Result::TooLong},
        {0xFFFFFFFF, PeerFrameReader::Result::TooLong},
    };
    for (const auto &c : cases) {
        PeerFrameReader reader;
        reader.append(header(c.length));
        QByteArray frame;
        EXPECT_EQ(reader.next(frame), c.result) << c.length;
        EXPECT_EQ(reader.announcedLength(), c.length);
    }
}

TEST(PeerFrameReader, TheRestOfACutOffMessageCanBeTakenOut)
{
    PeerFrameReader reader;
    const QByteArray whole = message(QString(100, u'x'));
    reader.append(whole + whole.left(66));
    QByteArray frame;
    EXPECT_EQ(reader.next(frame), PeerFrameReader::Result::Frame);
    EXPECT_EQ(frame, whole);
    EXPECT_EQ(reader.next(frame), PeerFrameReader::Result::NeedMore);
    EXPECT_EQ(reader.takePartial(), whole.left(66));
    EXPECT_TRUE(reader.takePartial().isEmpty());
}
