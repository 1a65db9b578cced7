// The handshake frames: their bytes, and which frames count as a greeting or an answer.
#include "logcapture.h"
#include "peerhandshake.h"
#include "peeridentity.h"
#include "peermessage.h"

#include <QCoreApplication>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

const PeerIdentity stage(QUuid::fromString(QStringLiteral("00000000-0000-0000-0000-00000000000a")),
                         QStringLiteral("Stage Left"));

QByteArray frame(quint32 code, quint32 line, const QByteArray &payload)
{
    PeerMessage message;
    message.code = code;
    message.line = line;
    message.payload = QString::fromUtf8(payload);
    return message.encode();
}

} // namespace

TEST(PeerHandshake, FramesCarryTheCodeTheProtocolVersionAndTheIdentity)
{
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2"));
    const QByteArray bytes = PeerHandshake::encode(PeerHandshake::Accept, stage);
    const QByteArray payload = R"({"id":"00000000-0000-0000-0000-00000000000a","name":"Stage Left","version":"1.2"})";
    const auto field = [&](int offset) { return qFromLittleEndian<quint32>(bytes.constData() + offset); };
    EXPECT_EQ(field(0), 0x564C0002u);
    EXPECT_EQ(field(4), 1u);
    EXPECT_EQ(field(8), 0u);
    EXPECT_EQ(field(12), quint32(payload.size()));
    EXPECT_EQ(bytes.mid(16), payload);

    const auto handshake = PeerHandshake::decode(bytes);
    ASSERT_TRUE(handshake);
    EXPECT_EQ(handshake->code, PeerHandshake::Accept);
    EXPECT_EQ(handshake->id, stage.idText());
    EXPECT_EQ(handshake->name, QStringLiteral("Stage Left"));
    EXPECT_EQ(handshake->version, QStringLiteral("1.2"));
}

TEST(PeerHandshake, FramesThatAreNoHandshakeOfOursAreRefused)
{
    const QByteArray identity = R"({"id":"x1","name":"Keys"})";
    const struct
    {
        const char *what;
        QByteArray frame;
        bool accepted;
    } cases[] = {
        {"a greeting", frame(PeerHandshake::Hello, 1, identity), true},
        {"a decline", frame(PeerHandshake::Decline, 1, identity), true},
        {"another protocol version", frame(PeerHandshake::Hello, 2, identity), false},
        {"a song message", frame(0, 1, identity), false},
        {"not JSON", frame(PeerHandshake::Hello, 1, "Keys"), false},
        {"no id", frame(PeerHandshake::Hello, 1, R"({"name":"Keys"})"), false},
        {"an empty name", frame(PeerHandshake::Hello, 1, R"({"id":"x1","name":""})"), false},
        {"a number for a name", frame(PeerHandshake::Hello, 1, R"({"id":"x1","name":7})"), false},
        {"more than 4 KiB",
         frame(PeerHandshake::Hello, 1, R"({"id":"x1","name":"Keys","pad":")" + QByteArray(4096, 'p') + "\"}"), false},
        {"cut off", frame(PeerHandshake::Hello, 1, identity).chopped(3), false},
    };
    for (const auto &c : cases) {
        const LogCapture log;
        EXPECT_EQ(PeerHandshake::decode(c.frame).has_value(), c.accepted) << c.what;
        EXPECT_EQ(log.lines().isEmpty(), c.accepted) << c.what << ": refusals say why";
    }
}
