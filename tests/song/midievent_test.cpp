// MIDI events: their text form, their bytes, and comparing them.
#include "midievent.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The printed form, or "<none>" when there is no event, so one comparison shows both sides.
QString printed(const std::optional<MidiEvent> &event)
{
    return event ? event->toString() : QStringLiteral("<none>");
}

QList<QByteArray> sent(const char *token)
{
    return MidiEvent::midiEventFromString(QString::fromLatin1(token))->messages();
}

} // namespace

TEST(MidiEvent, ParsesAndPrintsTokens)
{
    struct Case
    {
        const char *token;
        const char *printed;
    };
    const Case cases[] = {
        {"PC5", "PC5"},
        {"CC7.100@2", "CC7.100@2"},
        {"N60", "N60"},
        {"pc5", "<none>"},
        {"X5", "<none>"},
        {"5", "<none>"},
        {"PC", "PC0"},
        {"PAUSE", "PAUSE0"},
        {"PAUSE1500", "PAUSE1500"},
        {"PAUSE4294967296", "PAUSE4294967296"}, // more than 32 bits is written whole, never as a negative pause
        {"START5", "START"},
        {"PC5@17", "PC5"},
        {"PC5@16", "PC5@16"},
        {"PC300", "PC44"}, // low 8 bits, nothing range-checked
        {"F8.FA.", "f8.fa"},
        {"f8", "<none>"},
        {"CC.5", ""},
        {"F8.5", ""},
        {"20.1g", "20.01"}, // a part is read from its leading hex digits,
        {"SS3:9 trailing", "SS3"},
    };
    for (const Case &c : cases) {
        const auto event = MidiEvent::midiEventFromString(QString::fromLatin1(c.token));
        EXPECT_EQ(printed(event), QString::fromLatin1(c.printed)) << c.token;
    }
}

TEST(MidiEvent, ListsSplitAtEverySeparator)
{
    const auto events = MidiEvent::midiEventsFromString(QStringLiteral("PC1, N60|CC7.100\tbogus"));
    ASSERT_EQ(events.size(), 3);
    EXPECT_EQ(MidiEvent::stringFromMidiEvents(events), QStringLiteral("PC1,N60,CC7.100"));
    EXPECT_TRUE(MidiEvent::midiEventsFromString(QStringLiteral(",, |")).isEmpty());
}

TEST(MidiEvent, SendsTheBytesOfEachKind)
{
    EXPECT_EQ(sent("CC7.100@2"), QList<QByteArray>{hex("b10764")});
    EXPECT_EQ(sent("N60"), (QList<QByteArray>{hex("903c7f"), hex("803c00")}));
    EXPECT_EQ(sent("PC5@16"), QList<QByteArray>{hex("cf05")});
    EXPECT_EQ(sent("SS2"), QList<QByteArray>{hex("f302")});
    EXPECT_EQ(sent("STOP"), QList<QByteArray>{hex("fc")});
    EXPECT_EQ(sent("F8.FA"), QList<QByteArray>{hex("f8fa")});
    EXPECT_EQ(sent("F8.5"), QList<QByteArray>{QByteArray()});
    EXPECT_TRUE(sent("PAUSE100").isEmpty());
}

TEST(MidiEvent, DecodesReceivedMessages)
{
    struct Case
    {
        const char *bytes;
        const char *printed;
    };
    const Case cases[] = {
        {"c507", "PC7@6"},     {"c007", "PC7"},         {"903c00", "<none>"}, {"803c40", "<none>"}, {"b007", "<none>"},
        {"b00764", "CC7.100"}, {"903c7f903e7f", "N60"}, {"f305", "SS5"},      {"f3", "<none>"},     {"fa", "START"},
        {"fc", "STOP"},        {"f8", "<none>"},        {"", "<none>"},
    };
    for (const Case &c : cases) {
        const QByteArray bytes = hex(c.bytes);
        const auto event =
            MidiEvent::midiEventFromBytes(reinterpret_cast<const std::uint8_t *>(bytes.constData()), bytes.size());
        EXPECT_EQ(printed(event), QString::fromLatin1(c.printed)) << c.bytes;
    }
}

TEST(MidiEvent, EqualityIgnoresPauseAndBytesAndHashesAlike)
{
    const auto written = *MidiEvent::midiEventFromString(QStringLiteral("START5"));
    const std::uint8_t startByte = 0xFA;
    EXPECT_FALSE(written == *MidiEvent::midiEventFromBytes(&startByte, 1)); // msb 5 differs

    auto pause = *MidiEvent::midiEventFromString(QStringLiteral("PAUSE1500"));
    const MidiEvent key = pause.keyCopy();
    EXPECT_EQ(key.pause(), 0);
    EXPECT_TRUE(key == pause);
    EXPECT_EQ(qHash(key), qHash(pause));
}
