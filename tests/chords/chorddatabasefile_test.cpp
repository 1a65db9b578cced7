// Chord database files: layouts written and read back, categories, and damaged files refused safely.
#include "chorddatabasefile.h"
#include "logcapture.h"
#include "textfile.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <random>

namespace {

PalmRecord record(const QByteArray &data, quint8 attrs = 0, qint32 recId = 0)
{
    PalmRecord r;
    r.data = data;
    r.attrs = attrs;
    r.recId = recId;
    return r;
}

// A chord record: six signed string values, two unread bytes, the zero-terminated title.
QByteArray chordRecord(std::initializer_list<int> strings, const char *title)
{
    QByteArray data;
    for (int value : strings)
        data.append(char(qint8(value)));
    data.append(2, '\0');
    data.append(title);
    data.append('\0');
    return data;
}

quint32 offsetOfEntry(const QByteArray &file, int entry)
{
    return qFromBigEndian<quint32>(file.constData() + 78 + 8 * entry);
}

QByteArray threeChords()
{
    return ChordDatabaseFile::writePdb(QStringLiteral("Guitar"),
                                       {record(chordRecord({15, 3, 2, 0, 1, 0}, "C")),
                                        record(chordRecord({15, 0, 2, 2, 2, 0}, "A")),
                                        record(chordRecord({0, 2, 2, 1, 0, 0}, "E"))},
                                       ChordDatabaseFile::categoryBlock({QStringLiteral("Unfiled")}));
}

} // namespace

TEST(ChordDatabaseFile, OneRecordRightAfterTheListHasNoCategories)
{
    const QByteArray data = chordRecord({15, 3, 2, 0, 1, 0}, "C");
    const QByteArray file = ChordDatabaseFile::writePdb(QStringLiteral("Guitar"), {record(data)});
    ASSERT_EQ(offsetOfEntry(file, 0), 88u) << "78 header bytes, one 8-byte entry, 2 pad bytes";

    QList<PalmRecord> records;
    ASSERT_TRUE(ChordDatabaseFile::loadPdbFromData(file, records));
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].data, data) << "the rest of the file from byte 88";
    EXPECT_TRUE(records[0].category.isNull());
}

TEST(ChordDatabaseFile, RecordsRunFromOffsetToOffset)
{
    // An 18-byte area (pad and a 16-byte block) puts the records at 120, 140 and 170 of a 200-byte file.
    QByteArray block(16, '\0');
    block.replace(2, 6, "Chords");
    const QList<PalmRecord> written = {record(QByteArray(20, 'a')), record(QByteArray(30, 'b')),
                                       record(QByteArray(30, 'c'))};
    const QByteArray file = ChordDatabaseFile::writePdb(QStringLiteral("Test"), written, block);
    ASSERT_EQ(file.size(), 200);
    EXPECT_EQ(offsetOfEntry(file, 0), 120u);
    EXPECT_EQ(offsetOfEntry(file, 1), 140u);
    EXPECT_EQ(offsetOfEntry(file, 2), 170u);

    QList<PalmRecord> records;
    ASSERT_TRUE(ChordDatabaseFile::loadPdbFromData(file, records));
    ASSERT_EQ(records.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(records[i].data, written[i].data) << i;
        // The block is shorter than a whole name slot: the name is what the block holds.
        EXPECT_EQ(records[i].category, QStringLiteral("Chords")) << i;
    }
}

TEST(ChordDatabaseFile, KeepsAttributesIdsAndCategories)
{
    const QByteArray notAChord = chordRecord({-2, 0, 0, 0, 0, 0}, "ignored"); // 0xFE: the library skips it
    const QList<PalmRecord> written = {record(chordRecord({15, 3, 2, 0, 1, 0}, "C"), 0x00, 1),
                                       record(notAChord, 0x01, 2),
                                       record(chordRecord({1, 3, 3, 2, 1, 1}, "F"), 0x13, 0x123456),
                                       record(QByteArray(), 0x02, 4)}; // an empty record is still a record
    const QStringList categories = {QStringLiteral("Unfiled"), QStringLiteral("Major"), QStringLiteral("Minor"),
                                    QStringLiteral("Seventh")};
    const QByteArray file =
        ChordDatabaseFile::writePdb(QStringLiteral("Guitar"), written, ChordDatabaseFile::categoryBlock(categories));

    QList<PalmRecord> records;
    ASSERT_TRUE(ChordDatabaseFile::loadPdbFromData(file, records));
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[1].data, notAChord);
    EXPECT_EQ(quint8(records[1].data[0]), 0xFE);
    EXPECT_EQ(records[2].attrs, 0x13);
    EXPECT_EQ(records[2].recId, 0x123456);
    EXPECT_EQ(records[2].category, QStringLiteral("Seventh")) << "attributes 0x13 take category 3";
    EXPECT_EQ(records[0].category, QStringLiteral("Unfiled"));
    EXPECT_EQ(records[1].category, QStringLiteral("Major"));
    EXPECT_EQ(records[3].category, QStringLiteral("Minor"));
    EXPECT_TRUE(records[3].data.isEmpty());
}

TEST(ChordDatabaseFile, ReadsResourceDatabases)
{
    PalmRecord first = record(chordRecord({0, 2, 2, 1, 0, 0}, "E"));
    first.resType = 0x43687264; // "Chrd"
    first.resId = -7;
    PalmRecord second = record(chordRecord({15, 0, 2, 2, 1, 0}, "Am"));
    second.resType = 0x43687264;
    second.resId = 8;
    const QByteArray file = ChordDatabaseFile::writePdb(QStringLiteral("Guitar"), {first, second},
                                                        ChordDatabaseFile::categoryBlock({QStringLiteral("All")}),
                                                        ChordDatabaseFile::Kind::Resources);
    QList<PalmRecord> records;
    ASSERT_TRUE(ChordDatabaseFile::loadPdbFromData(file, records));
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].resType, first.resType);
    EXPECT_EQ(records[0].resId, -7);
    EXPECT_EQ(records[1].resId, 8);
    EXPECT_EQ(records[0].data, first.data);
    EXPECT_EQ(records[1].data, second.data);
    EXPECT_EQ(records[1].category, QStringLiteral("All"));
}

TEST(ChordDatabaseFile, CategoryNamesAreWindows1252)
{
    QByteArray block = ChordDatabaseFile::categoryBlock({});
    block.replace(2 + 16, 4, "Gr\x80n");
    block.replace(2 + 32, 16, QByteArray(16, 'x')); // a name filling its slot has no terminator
    const QByteArray file = ChordDatabaseFile::writePdb(QStringLiteral("T"), {record("a", 1), record("b", 2)}, block);
    QList<PalmRecord> records;
    ASSERT_TRUE(ChordDatabaseFile::loadPdbFromData(file, records));
    EXPECT_EQ(records[0].category, QStringLiteral("Gr\u20acn"));
    EXPECT_EQ(records[1].category, QString(16, u'x'));
}

TEST(ChordDatabaseFile, CountsRecordsUnsigned)
{
    QList<PalmRecord> written;
    for (int i = 0; i < 40000; ++i)
        written.append(record(QByteArray(1, char(i))));
    const QByteArray file = ChordDatabaseFile::writePdb(QStringLiteral("Big"), written);
    QList<PalmRecord> records;
    ASSERT_TRUE(ChordDatabaseFile::loadPdbFromData(file, records));
    ASSERT_EQ(records.size(), 40000);
    EXPECT_EQ(records.back().data, QByteArray(1, char(39999)));

    LogCapture log;
    written.append(QList<PalmRecord>(30000, record("z")));
    EXPECT_TRUE(ChordDatabaseFile::writePdb(QStringLiteral("Too big"), written).isEmpty());
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Chord database Too big not written")));
}

TEST(ChordDatabaseFile, ReadsFilesAndReportsMissingOnes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Guitar.pdb"));
    ASSERT_TRUE(TextFile::writeBytes(path, threeChords()));
    QList<PalmRecord> records;
    ASSERT_TRUE(ChordDatabaseFile::loadPdbFromPath(path, records));
    EXPECT_EQ(records.size(), 3);

    LogCapture log;
    EXPECT_FALSE(ChordDatabaseFile::loadPdbFromPath(dir.filePath(QStringLiteral("Banjo.pdb")), records));
    EXPECT_EQ(records.size(), 3) << "nothing appended";
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Could not read chord database")));
}

TEST(ChordDatabaseFile, RefusesDamagedFiles)
{
    const QByteArray good = threeChords();
    auto withEntryOffset = [&](int entry, quint32 offset) {
        QByteArray file = good;
        qToBigEndian(offset, file.data() + 78 + 8 * entry);
        return file;
    };
    auto withRecordCount = [&](quint16 count) {
        QByteArray file = good;
        qToBigEndian(count, file.data() + 76);
        return file;
    };
    QByteArray hugeAppInfo = ChordDatabaseFile::writePdb(QStringLiteral("T"), {record("abc")},
                                                         QByteArray(ChordDatabaseFile::maxAppInfoArea, '\0'));
    struct Case
    {
        const char *what;
        QByteArray file;
        const char *reason;
    };
    const Case cases[] = {
        {"empty", QByteArray(), "shorter than its header"},
        {"cut inside the header", good.left(77), "shorter than its header"},
        {"no records", withRecordCount(0), "no records"},
        {"cut inside the record list", good.left(78 + 8 * 2), "shorter than its record list"},
        {"more records than the file lists", withRecordCount(60000), "shorter than its record list"},
        {"first record inside the list", withEntryOffset(0, 90), "first record inside the record list"},
        {"records out of order", withEntryOffset(2, offsetOfEntry(good, 1) - 1), "records out of order"},
        {"record past the end", withEntryOffset(2, quint32(good.size() + 1)), "record past the end of the file"},
        {"offset far past the end", withEntryOffset(1, 0xFFFFFFF0u), "record past the end of the file"},
        {"application info over the limit", hugeAppInfo, "application info too long"},
    };
    for (const Case &c : cases) {
        LogCapture log;
        QList<PalmRecord> records = {record("kept")};
        EXPECT_FALSE(ChordDatabaseFile::loadPdbFromData(c.file, records)) << c.what;
        EXPECT_EQ(records.size(), 1) << c.what << ": nothing appended";
        EXPECT_EQ(log.lines(), QStringList{QStringLiteral("Damaged chord database: %1").arg(c.reason)}) << c.what;
    }

    // The limit itself is allowed: a pad and a block of exactly the maximum area.
    const QByteArray atLimit = ChordDatabaseFile::writePdb(QStringLiteral("T"), {record("abc")},
                                                           QByteArray(ChordDatabaseFile::maxAppInfoArea - 2, '\0'));
    QList<PalmRecord> records;
    EXPECT_TRUE(ChordDatabaseFile::loadPdbFromData(atLimit, records));
}

// Every cut of a sound file is either refused or read within its bytes; the last record simply gets shorter.
TEST(ChordDatabaseFile, TruncatedFilesNeverReadPastTheEnd)
{
    const QByteArray good = threeChords();
    const qsizetype lastRecordStart = offsetOfEntry(good, 2);
    LogCapture quiet;
    for (qsizetype length = 0; length < good.size(); ++length) {
        QList<PalmRecord> records;
        const bool read = ChordDatabaseFile::loadPdbFromData(good.left(length), records);
        EXPECT_EQ(read, length >= lastRecordStart) << length;
        if (read) {
            EXPECT_EQ(records.back().data, good.mid(lastRecordStart, length - lastRecordStart)) << length;
        }
    }
}

// Random damage anywhere in a file: the reader refuses or reads, but never reads out of bounds (run it
// under AddressSanitizer to see that).
TEST(ChordDatabaseFile, CorruptedFilesAreReadSafely)
{
    const QByteArray good = threeChords();
    std::mt19937 random(77);
    std::uniform_int_distribution<qsizetype> position(0, good.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    LogCapture quiet;
    for (int round = 0; round < 3000; ++round) {
        QByteArray file = good;
        for (int flips = 1 + round % 4; flips > 0; --flips)
            file[position(random)] = char(byte(random));
        QList<PalmRecord> records;
        if (ChordDatabaseFile::loadPdbFromData(file.left(position(random) + round % 2 * good.size()), records)) {
            qsizetype total = 0;
            for (const PalmRecord &r : records)
                total += r.data.size();
            EXPECT_LE(total, file.size());
        }
    }
}
