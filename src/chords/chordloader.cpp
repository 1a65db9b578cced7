// The loading job of a chord library: the built-in chord database and the user chord file, read into a table.
#include "chordloader.h"

#include "chorddatabasefile.h"
#include "textfile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A chord record: six signed string values, two bytes nobody reads, then the zero-terminated title.
constexpr qsizetype kTitleAt = 8;
constexpr char kNotAChord[] = {char(0xCE), char(0xFE)};

} // namespace

ChordLoader::Result ChordLoader::load(const Instrument &instrument, const QString &definedChordsPath)
{
    Result result;
    readDatabase(instrument, result);
    readUserChordFile(definedChordsPath, instrument, result);
    return result;
}

std::optional<Chord> ChordLoader::chordFromRecord(const QByteArray &data)
{
    if (data.size() <= kTitleAt || data[0] == kNotAChord[0] || data[0] == kNotAChord[1])
        return std::nullopt;
    const qsizetype titleEnd = data.indexOf('\0', kTitleAt);
    if (titleEnd < 0)
        return std::nullopt;
    const QByteArray title = data.mid(kTitleAt, titleEnd - kTitleAt);
    if (title.isEmpty())
        return std::nullopt;
    Chord chord;
    // The five bytes Windows-1252 leaves undefined keep their Latin-1 meaning rather than losing the chord.
    chord.setTitle(TextFile::decodeWindows1252(title).value_or(QString::fromLatin1(title)));
    for (int s = 0; s < Instrument::maxStrings; ++s)
        chord.strings()[s] = qint8(data[s]);
    return chord;
}

void ChordLoader::readDatabase(const Instrument &instrument, Result &result)
{
    QList<PalmRecord> records;
    ChordDatabaseFile::loadPdbFromPath(instrument.chorddbpath(), records);
    for (const PalmRecord &record : records)
        if (const std::optional<Chord> chord = chordFromRecord(record.data))
            result.table.addChord(*chord);
}

void ChordLoader::readUserChordFile(const QString &path, const Instrument &instrument, Result &result)
{
    if (!QFileInfo::exists(path))
        return;
    QString error;
    const std::optional<QString> text = TextFile::read(path, TextFile::LastResort::None, &error);
    if (!text) {
        result.diagnostics.append(QStringLiteral("Could not read %1: %2").arg(path, error));
        return;
    }
    readUserChords(*text, instrument, result);
}

void ChordLoader::readUserChords(const QString &text, const Instrument &instrument, Result &result)
{
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString &untrimmed : lines) {
        const QString line = untrimmed.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'#')) {
            // A tuning line; only the first accepted one counts, and no "#" line is ever a chord.
            if (!result.tuning)
                result.tuning = instrument.parseTuning(line);
            continue;
        }
        Chord chord = Chord::fromDefinition(line);
        if (!chord.valid())
            continue;
        // A favourite of a built-in chord takes that chord's place and stays built-in; anything else is the
        // user's own chord.
        chord.setEditable(!(chord.favorite() && result.table.removeBuiltInChordFor(chord, instrument)));
        result.table.addChord(chord);
    }
}
