// The messages between devices, byte for byte, and the checks a received message passes.
#include "peermessage.h"

#include "logcapture.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray header(quint32 code, quint32 line, quint32 checksum, quint32 length)
{
    QByteArray bytes(PeerMessage::kHeaderSize, '\0');
    qToLittleEndian(code, bytes.data());
    qToLittleEndian(line, bytes.data() + 4);
    qToLittleEndian(checksum, bytes.data() + 8);
    qToLittleEndian(length, bytes.data() + 12);
    return bytes;
}

} // namespace

TEST(PeerMessage, EncodesHeaderLittleEndianThenUtf8Payload)
{
    const PeerMessage message{PeerMessage::ShowSong, 0, 0x04817658, QStringLiteral("Test")};
    EXPECT_EQ(message.encode().toHex(), QByteArray("00000000"
                                                   "00000000"
                                                   "58768104"
                                                   "04000000"
                                                   "54657374"));

    const PeerMessage umlaut{PeerMessage::Transpose, 11, 1, QStringLiteral("Ä")};
    EXPECT_EQ(umlaut.encode(), header(4, 11, 1, 2) + QByteArray("\xC3\x84"));
}

TEST(PeerMessage, ParsesWhatIsEncoded)
{
    const PeerMessage sent{PeerMessage::SongText, 7, 0xFFFFFFFF, QStringLiteral("{title: Grüß}\n[C]la")};
    const std::optional<PeerMessage> received = PeerMessage::parseMessage(sent.encode());
    ASSERT_TRUE(received);
    EXPECT_EQ(received->code, sent.code);
    EXPECT_EQ(received->line, sent.line);
    EXPECT_EQ(received->checksum, sent.checksum);
    EXPECT_EQ(received->payload, sent.payload);
}

TEST(PeerMessage, DropsMalformedBytesWithTheReason)
{
    struct Case
    {
        const char *name;
        QByteArray bytes;
        const char *logged;
    };
    const Case cases[] = {
        {"shorter than a header", QByteArray(15, '\0'), "Length too short, data ignored"},
        {"empty", QByteArray(), "Length too short, data ignored"},
        {"payload cut short", header(0, 0, 0, 100) + QByteArray(50, 'a'),
         "Received length 66 too short for required length 100, data ignored"},
        {"length that would wrap", header(0, 0, 0, 0xFFFFFFF8) + QByteArray(8, 'a'),
         "Received length 24 too short for required length 4294967288, data ignored"},
        {"not UTF-8", header(0, 0, 0, 2) + QByteArray("\xC3\x28"), "Invalid string (not UTF8), ignored"},
        {"a lone surrogate", header(0, 0, 0, 3) + QByteArray("\xED\xA0\x80"), "Invalid string (not UTF8), ignored"},
    };
    for (const Case &c : cases) {
        const LogCapture log;
        EXPECT_FALSE(PeerMessage::parseMessage(c.bytes)) << c.name;
        EXPECT_EQ(log.lines(), QStringList{QString::fromLatin1(c.logged)}) << c.name;
    }
}

TEST(PeerMessage, IgnoresBytesAfterThePayload)
{
    const LogCapture log;
    const std::optional<PeerMessage> message =
        PeerMessage::parseMessage(header(1, 0, 5, 2) + QByteArray("Ab\xFF\xFF trailing"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->payload, QStringLiteral("Ab"));
    EXPECT_EQ(message->checksum, 5u);
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST(PeerMessage, TranspositionGoesOutAsZeroOrMore)
{
    const struct
    {
        int transpose;
        quint32 line;
    } cases[] = {{0, 0}, {5, 5}, {14, 14}, {-1, 11}, {-11, 1}, {-12, 0}, {-13, 11}, {-25, 11}};
    for (const auto &c : cases)
        EXPECT_EQ(PeerMessage::transposeLine(c.transpose), c.line) << c.transpose;
}
