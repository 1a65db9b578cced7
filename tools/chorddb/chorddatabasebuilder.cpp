// Fingerings for every catalog chord on one instrument, ordered the way the chord library shows them.
#include "chorddatabasebuilder.h"

#include "chordcatalog.h"
#include "chorddatabasefile.h"
#include "chordrecord.h"
#include "fretsearch.h"
#include "keyboardvoicer.h"
#include "playingstyle.h"

#include <algorithm>

namespace {

Chord makeChord(const QString &title, const Chord::Strings &values)
{
    Chord chord;
    chord.setTitle(title);
    chord.strings() = values;
    return chord;
}

} // namespace

QList<Instrument> ChordDatabaseBuilder::instruments()
{
    static const char *const titles[] = {
        "Guitar",   "Ukulele_C",   "Ukulele_D",         "Ukulele_Bariton",  "Mandolin",    "Fiddle",
        "Banjo",    "Banjo_Tenor", "Irish_Bouzouki",    "Greek_Bouzouki",   "Bass_Guitar", "Bass_5",
        "Charango", "Ronroco",     "Mountain_Dulcimer", "Cigar_Box_Guitar", "Guitalele",   "Piano",
    };
    QList<Instrument> instruments;
    for (const char *title : titles)
        instruments.append(Instrument::fromPath(QString::fromLatin1(title) + QStringLiteral(".pdb")));
    return instruments;
}

ChordDatabaseBuilder::ChordDatabaseBuilder(const Instrument &instrument)
    : m_instrument(instrument)
{
    const FretSearch search(PlayingStyle::fretboardFor(instrument));
    for (const CatalogChord &entry : ChordCatalog::chords()) {
        const QList<Fingering> found = fingerings(search, entry.target);
        if (found.isEmpty()) {
            m_gaps.append({entry.name, QString::fromStdString(search.whyUnplayable(entry.target))});
            continue;
        }
        const QList<Fingering> ordered = inLibraryOrder(entry.name, found);
        QStringList texts;
        for (const Fingering &fingering : ordered) {
            m_chords.append(makeChord(entry.name, fingering.values));
            texts.append(dumpText(fingering));
        }
        m_dumpLines.append(entry.name + QStringLiteral(": ") + texts.join(QStringLiteral("  |  ")));
        for (const QString &alias : entry.aliases) {
            for (const Fingering &fingering : ordered)
                m_chords.append(makeChord(alias, fingering.values));
            m_dumpLines.append(alias + QStringLiteral(" = ") + entry.name);
        }
    }
}

// Easiest first: the search's grips on a fretted instrument, root position and inversions on a keyboard.
QList<ChordDatabaseBuilder::Fingering> ChordDatabaseBuilder::fingerings(const FretSearch &search,
                                                                        const ChordTarget &target) const
{
    QList<Fingering> found;
    if (m_instrument.isKeyboard()) {
        for (const KeyboardVoicer::Notes &notes : KeyboardVoicer::voicings(target))
            found.append({ChordRecord::valuesForNotes(notes), QString()});
    } else {
        for (const Frets &frets : search.fingerings(target, maxFingerings))
            found.append(
                {ChordRecord::valuesForFrets(frets), QString::fromStdString(search.score(frets, target).describe())});
    }
    return found;
}

// The library lists a name's built-in chords by base fret. A grip below the easiest one's base fret would
// be shown before it although it is harder, so it is left out; the rest keep their order within a base fret.
QList<ChordDatabaseBuilder::Fingering> ChordDatabaseBuilder::inLibraryOrder(const QString &name,
                                                                            const QList<Fingering> &easiestFirst) const
{
    const auto baseFret = [&](const Fingering &f) { return makeChord(name, f.values).baseFret(m_instrument); };
    const int easiestBaseFret = baseFret(easiestFirst.front());
    QList<Fingering> kept;
    std::copy_if(easiestFirst.begin(), easiestFirst.end(), std::back_inserter(kept),
                 [&](const Fingering &f) { return baseFret(f) >= easiestBaseFret; });
    std::stable_sort(kept.begin(), kept.end(),
                     [&](const Fingering &a, const Fingering &b) { return baseFret(a) < baseFret(b); });
    return kept;
}

QString ChordDatabaseBuilder::dumpText(const Fingering &fingering) const
{
    const Chord::Strings &values = fingering.values;
    QStringList pieces;
    for (int string = 0; string < m_instrument.numstrings(); ++string) {
        const int value = values[string];
        if (value == Chord::muted)
            pieces.append(m_instrument.isKeyboard() ? QString() : QStringLiteral("x"));
        else
            pieces.append(QString::number(value == Chord::fretFifteen ? 15 : value));
    }
    pieces.removeAll(QString());
    const QString text = pieces.join(u' ');
    return fingering.ranking.isEmpty() ? text : text + QStringLiteral(" (") + fingering.ranking + u')';
}

QByteArray ChordDatabaseBuilder::pdb() const
{
    QList<PalmRecord> records;
    for (const Chord &chord : m_chords) {
        PalmRecord record;
        record.recId = static_cast<qint32>(records.size() + 1);
        record.data = ChordRecord::data(chord);
        records.append(record);
    }
    return ChordDatabaseFile::writePdb(m_instrument.title(), records);
}

QString ChordDatabaseBuilder::dump() const
{
    QStringList lines;
    lines.append(QStringLiteral("# %1: the built-in chords, each name with its fingerings in the order shown.")
                     .arg(m_instrument.title()));
    lines.append(m_instrument.isKeyboard() ? QStringLiteral("# Notes in semitones from middle C (0).")
                                           : QStringLiteral("# Frets per string, lowest string first; x muted."));
    lines.append(m_dumpLines);
    if (!m_gaps.isEmpty()) {
        lines.append(QStringLiteral("# Not playable on this instrument:"));
        for (const ChordGap &gap : m_gaps)
            lines.append(QStringLiteral("# %1: %2").arg(gap.name, gap.reason));
    }
    return lines.join(u'\n') + u'\n';
}
