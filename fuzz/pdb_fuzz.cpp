// Chord database files: a damaged or hostile database is refused or read within its bounds, every record it
// holds is read as a chord or skipped, and the records written into a database of our own read back alike.
#include "chorddatabasefile.h"
#include "chordloader.h"
#include "fuzzcheck.h"
#include "fuzzsetup.h"
#include "palmrecord.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<PalmRecord> records;
    if (!ChordDatabaseFile::loadPdbFromData(bytes, records))
        return 0;
    for (PalmRecord &record : records) {
        ChordLoader::chordFromRecord(record.data);
        record.fillCategoryFromAppInfo(bytes);
    }
    QList<PalmRecord> reread;
    FUZZ_CHECK(ChordDatabaseFile::loadPdbFromData(ChordDatabaseFile::writePdb(QStringLiteral("Fuzz"), records), reread));
    FUZZ_CHECK(reread.size() == records.size());
    for (qsizetype i = 0; i < records.size(); ++i)
        FUZZ_CHECK(reread[i].data == records[i].data);
    return 0;
}
