// MIDI events as songs carry them: read from and written to text, decoded from and encoded to bytes.
#include "midievent.h"

#include "hexdigit.h"

#include <QHash>
#include <QRegularExpression>

#include <limits>

namespace {

struct KindName
{
    const char *name;
    MidiEvent::EventType type;
};

constexpr KindName kKindNames[] = {
    {"PC", MidiEvent::ProgramChange}, {"N", MidiEvent::Note},      {"CC", MidiEvent::ControlChange},
    {"SS", MidiEvent::SongSelect},    {"START", MidiEvent::Start}, {"STOP", MidiEvent::Stop},
    {"PAUSE", MidiEvent::Pause},
};

// Reads ASCII decimal digits wrapping around 2^64, so "low 8 bits of the number" holds for any length.
std::uint64_t wrappingDecimal(QStringView digits)
{
    std::uint64_t value = 0;
    for (QChar c : digits)
        value = value * 10 + static_cast<std::uint64_t>(c.unicode() - u'0');
    return value;
}

// A pause keeps its whole value; an absurdly long number saturates instead of wrapping to a short pause.
std::int64_t saturatingDecimal(QStringView digits)
{
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    return ok ? value : std::numeric_limits<std::int64_t>::max();
}

QByteArray message(std::initializer_list<char> bytes)
{
    return QByteArray(bytes.begin(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

QList<MidiEvent> MidiEvent::midiEventsFromString(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[ \t,|]"));
    QList<MidiEvent> events;
    for (const QString &token : text.split(separators, Qt::SkipEmptyParts))
        if (const auto event = midiEventFromString(token))
            events.append(*event);
    return events;
}

std::optional<MidiEvent> MidiEvent::midiEventFromString(const QString &token)
{
    static const QRegularExpression rawToken(QStringLiteral("^[A-Fa-f0-9][A-Fa-f0-9]\\."));
    static const QRegularExpression namedToken(QStringLiteral("([A-Z]+)?([0-9]+)?(\\.[0-9]+)?(:[0-9]+)?(@[0-9]+)?"));

    MidiEvent event;
    if (rawToken.match(token).hasMatch()) {
        event.m_eventType = Raw;
        event.m_rawbytes = rawBytesFromString(token);
        return event;
    }

    const QRegularExpressionMatch match = namedToken.match(token);
    const QStringView name = match.capturedView(1);
    const auto kind = std::find_if(std::begin(kKindNames), std::end(kKindNames),
                                   [&](const KindName &k) { return name == QLatin1String(k.name); });
    if (name.isEmpty() || kind == std::end(kKindNames))
        return std::nullopt;
    event.m_eventType = kind->type;

    if (match.hasCaptured(2)) {
        if (event.m_eventType == Pause)
            event.m_pause = saturatingDecimal(match.capturedView(2));
        else
            event.m_msb = static_cast<std::uint8_t>(wrappingDecimal(match.capturedView(2)));
    }
    if (match.hasCaptured(3))
        event.m_lsb = static_cast<std::uint8_t>(wrappingDecimal(match.capturedView(3).mid(1)));
    if (match.hasCaptured(4))
        event.m_subvalue = static_cast<std::uint8_t>(wrappingDecimal(match.capturedView(4).mid(1)));
    if (match.hasCaptured(5)) {
        const auto channel = static_cast<std::uint8_t>(wrappingDecimal(match.capturedView(5).mid(1)));
        event.m_channel = channel >= 17 ? 0 : channel;
    }
    return event;
}

std::optional<QByteArray> MidiEvent::rawBytesFromString(const QString &text)
{
    QByteArray bytes;
    for (const QString &part : text.split(QLatin1Char('.'), Qt::SkipEmptyParts)) {
        if (part.size() != 2)
            return std::nullopt;
        const int high = HexDigit::value(part[0]);
        if (high < 0)
            continue;
        const int low = HexDigit::value(part[1]);
        bytes.append(static_cast<char>(low >= 0 ? high * 16 + low : high));
    }
    if (bytes.isEmpty())
        return std::nullopt;
    return bytes;
}

QString MidiEvent::stringFromMidiEvents(const QList<MidiEvent> &events)
{
    QString text;
    for (const MidiEvent &event : events) {
        if (!text.isEmpty())
            text += QLatin1Char(',');
        text += event.toString();
    }
    return text;
}

std::optional<MidiEvent> MidiEvent::midiEventFromBytes(const std::uint8_t *bytes, std::size_t length)
{
    if (length == 0)
        return std::nullopt;
    MidiEvent event;
    switch (bytes[0]) {
    case 0xF3:
        if (length < 2)
            return std::nullopt;
        event.m_eventType = SongSelect;
        event.m_msb = bytes[1];
        return event;
    case 0xFC:
        event.m_eventType = Stop;
        return event;
    case 0xFA:
        event.m_eventType = Start;
        return event;
    default:
        break;
    }

    const std::uint8_t nibble = bytes[0] & 0x0F;
    event.m_channel = nibble == 0 ? 0 : nibble + 1;
    switch (bytes[0] >> 4) {
    case 0x9:
        if (length < 3 || bytes[2] == 0)
            return std::nullopt;
        event.m_eventType = Note;
        event.m_msb = bytes[1];
        return event;
    case 0xC:
        if (length < 2)
            return std::nullopt;
        event.m_eventType = ProgramChange;
        event.m_msb = bytes[1];
        return event;
    case 0xB:
        if (length < 3)
            return std::nullopt;
        event.m_eventType = ControlChange;
        event.m_msb = bytes[1];
        event.m_lsb = bytes[2];
        return event;
    default:
        return std::nullopt;
    }
}

QString MidiEvent::toString() const
{
    QString text;
    switch (m_eventType) {
    case ProgramChange:
        text = QStringLiteral("PC%1").arg(m_msb);
        break;
    case Note:
        text = QStringLiteral("N%1").arg(m_msb);
        break;
    case ControlChange:
        text = QStringLiteral("CC%1.%2").arg(m_msb).arg(m_lsb);
        break;
    case SongSelect:
        text = QStringLiteral("SS%1").arg(m_msb);
        break;
    case Start:
        text = QStringLiteral("START");
        break;
    case Stop:
        text = QStringLiteral("STOP");
        break;
    case Pause:
        text = QStringLiteral("PAUSE%1").arg(m_pause);
        break;
    case Raw:
        if (m_rawbytes)
            text = QString::fromLatin1(m_rawbytes->toHex('.'));
        break;
    default:
        break;
    }
    if (m_channel != 0)
        text += QStringLiteral("@%1").arg(m_channel);
    return text;
}

QList<QByteArray> MidiEvent::messages() const
{
    const auto nibble = static_cast<char>((m_channel != 0 ? m_channel - 1 : 0) & 0x0F);
    const auto status = [nibble](int high) { return static_cast<char>(high | nibble); };
    const auto data = [](std::uint8_t value) { return static_cast<char>(value); };
    switch (m_eventType) {
    case ProgramChange:
        return {message({status(0xC0), data(m_msb)})};
    case Note:
        return {message({status(0x90), data(m_msb), '\x7F'}), message({status(0x80), data(m_msb), '\x00'})};
    case ControlChange:
        return {message({status(0xB0), data(m_msb), data(m_lsb)})};
    case SongSelect:
        return {message({'\xF3', data(m_msb)})};
    case Start:
        return {QByteArray(1, '\xFA')};
    case Stop:
        return {QByteArray(1, '\xFC')};
    case Raw:
        return {m_rawbytes.value_or(QByteArray())};
    default:
        return {};
    }
}

bool MidiEvent::operator==(const MidiEvent &other) const
{
    return m_eventType == other.m_eventType && m_msb == other.m_msb && m_lsb == other.m_lsb &&
           m_subvalue == other.m_subvalue && m_channel == other.m_channel;
}

MidiEvent MidiEvent::keyCopy() const
{
    MidiEvent copy;
    copy.m_eventType = m_eventType;
    copy.m_msb = m_msb;
    copy.m_lsb = m_lsb;
    copy.m_subvalue = m_subvalue;
    copy.m_channel = m_channel;
    return copy;
}

size_t qHash(const MidiEvent &event, size_t seed)
{
    return qHashMulti(seed, event.eventType(), event.msb(), event.lsb(), event.subvalue(), event.channel());
}
