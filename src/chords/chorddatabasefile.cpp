// Reading and writing chord database files: Palm databases (PDB) whose records hold one chord each.
#include "chorddatabasefile.h"

#include "log.h"

#include <QFile>
#include <QtEndian>

#include <optional>

namespace {

// The header: name (32), attributes (2), version (2), three dates, modification number, application and
// sort info offsets, type, creator, id seed, next record list (4 each), record count (2). Big-endian.
constexpr qsizetype kNameSize = 32;
constexpr qsizetype kAttributesAt = 32;
constexpr qsizetype kAppInfoOffsetAt = 52;
constexpr qsizetype kTypeAt = 60;
constexpr qsizetype kRecordCountAt = 76;
constexpr qsizetype kHeaderSize = 78;
constexpr quint16 kResourceDatabase = 0x0001;
// Two bytes stand between the record list and the application info block.
constexpr qsizetype kPadSize = 2;
constexpr qsizetype kCategoryCount = 16;
constexpr qsizetype kCategoryNameSize = 16;

qsizetype entrySize(ChordDatabaseFile::Kind kind)
{
    return kind == ChordDatabaseFile::Kind::Resources ? 10 : 8;
}

// Callers check the bounds before reading.
quint32 readDW(const QByteArray &data, qsizetype at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}

quint16 readW(const QByteArray &data, qsizetype at)
{
    return qFromBigEndian<quint16>(data.constData() + at);
}

quint8 readByte(const QByteArray &data, qsizetype at)
{
    return quint8(data[at]);
}

struct ListEntry
{
    PalmRecord record;
    qint64 offset = 0;
};

ListEntry readListEntry(const QByteArray &data, qsizetype at, ChordDatabaseFile::Kind kind)
{
    ListEntry entry;
    if (kind == ChordDatabaseFile::Kind::Resources) {
        entry.record.resType = readDW(data, at);
        entry.record.resId = qint16(readW(data, at + 4));
        entry.offset = readDW(data, at + 6);
    } else {
        entry.offset = readDW(data, at);
        entry.record.attrs = readByte(data, at + 4);
        entry.record.recId = qint32(readDW(data, at + 4) & 0x00FFFFFF);
    }
    return entry;
}

// Reads the records, or says what is wrong with the file. Every offset is checked against the data before
// any bytes are cut out, so a damaged file never reads out of bounds.
std::optional<QString> readRecords(const QByteArray &data, QList<PalmRecord> &records)
{
    if (data.size() < kHeaderSize)
        return QStringLiteral("shorter than its header");
    const auto kind = (readW(data, kAttributesAt) & kResourceDatabase) ? ChordDatabaseFile::Kind::Resources
                                                                       : ChordDatabaseFile::Kind::Records;
    const qsizetype count = readW(data, kRecordCountAt);
    if (count == 0)
        return QStringLiteral("no records");
    const qsizetype listEnd = kHeaderSize + count * entrySize(kind);
    if (data.size() < listEnd)
        return QStringLiteral("shorter than its record list");

    QList<ListEntry> entries;
    entries.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        ListEntry entry = readListEntry(data, kHeaderSize + i * entrySize(kind), kind);
        if (entry.offset < (i == 0 ? qint64(listEnd) : entries.back().offset))
            return i == 0 ? QStringLiteral("first record inside the record list")
                          : QStringLiteral("records out of order");
        if (entry.offset > data.size())
            return QStringLiteral("record past the end of the file");
        entries.append(entry);
    }

    const qsizetype appInfoArea = entries.front().offset - listEnd;
    if (appInfoArea > ChordDatabaseFile::maxAppInfoArea)
        return QStringLiteral("application info too long");
    // An area of the pad alone, or less, holds no block.
    const QByteArray appInfo =
        appInfoArea > kPadSize ? data.mid(listEnd + kPadSize, appInfoArea - kPadSize) : QByteArray();

    for (qsizetype i = 0; i < entries.size(); ++i) {
        const qint64 end = i + 1 < entries.size() ? entries[i + 1].offset : data.size();
        PalmRecord &record = entries[i].record;
        record.data = data.mid(entries[i].offset, end - entries[i].offset);
        if (!appInfo.isEmpty())
            record.fillCategoryFromAppInfo(appInfo);
        records.append(record);
    }
    return std::nullopt;
}

// source: the file's path, empty for data from elsewhere.
bool load(const QByteArray &data, QList<PalmRecord> &records, const QString &source)
{
    QList<PalmRecord> read;
    if (const auto damage = readRecords(data, read)) {
        Log::write(source.isEmpty() ? QStringLiteral("Damaged chord database: %1").arg(*damage)
                                    : QStringLiteral("Damaged chord database %1: %2").arg(source, *damage));
        return false;
    }
    records.append(read);
    return true;
}

void appendDW(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendW(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToBigEndian(value, bytes);
    out.append(bytes, 2);
}

// Latin-1 text in a zero-padded field, always zero-terminated.
QByteArray fixedText(const QString &text, qsizetype size)
{
    QByteArray bytes = text.toLatin1().left(size - 1);
    bytes.append(QByteArray(size - bytes.size(), '\0'));
    return bytes;
}

} // namespace

bool ChordDatabaseFile::loadPdbFromPath(const QString &path, QList<PalmRecord> &records)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Log::write(QStringLiteral("Could not read chord database %1: %2").arg(path, file.errorString()));
        return false;
    }
    return load(file.readAll(), records, path);
}

bool ChordDatabaseFile::loadPdbFromData(const QByteArray &data, QList<PalmRecord> &records)
{
    return load(data, records, QString());
}

QByteArray ChordDatabaseFile::writePdb(const QString &name, const QList<PalmRecord> &records, const QByteArray &appInfo,
                                       Kind kind)
{
    if (records.size() > 0xFFFF) {
        Log::write(QStringLiteral("Chord database %1 not written: %2 records").arg(name).arg(records.size()));
        return QByteArray();
    }
    const qsizetype listEnd = kHeaderSize + records.size() * entrySize(kind);
    QByteArray out = fixedText(name, kNameSize);
    appendW(out, kind == Kind::Resources ? kResourceDatabase : 0);
    out.append(kAppInfoOffsetAt - out.size(), '\0'); // version, dates, modification number
    appendDW(out, appInfo.isEmpty() ? 0 : quint32(listEnd + kPadSize));
    out.append(kTypeAt - out.size(), '\0'); // sort info
    out.append("Chrd", 4);                  // type and creator: ours, not read back
    out.append("Vlrn", 4);
    out.append(kRecordCountAt - out.size(), '\0'); // id seed, next record list
    appendW(out, quint16(records.size()));

    qint64 offset = listEnd + kPadSize + appInfo.size();
    for (const PalmRecord &record : records) {
        if (kind == Kind::Resources) {
            appendDW(out, record.resType);
            appendW(out, quint16(record.resId));
            appendDW(out, quint32(offset));
        } else {
            appendDW(out, quint32(offset));
            appendDW(out, (quint32(record.attrs) << 24) | (quint32(record.recId) & 0x00FFFFFF));
        }
        offset += record.data.size();
    }
    out.append(kPadSize, '\0');
    out.append(appInfo);
    for (const PalmRecord &record : records)
        out.append(record.data);
    return out;
}

QByteArray ChordDatabaseFile::categoryBlock(const QStringList &names)
{
    QByteArray block(2, '\0'); // the renamed-categories bit field
    for (qsizetype i = 0; i < kCategoryCount; ++i)
        block.append(fixedText(i < names.size() ? names[i] : QString(), kCategoryNameSize));
    return block;
}
