// Builds one instrument's built-in chord database: its chords, their record file and a readable dump.
#pragma once

#include "chord.h"
#include "instrument.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class FretSearch;
struct ChordTarget;

struct ChordGap
{
    QString name;
    QString reason;
};

class ChordDatabaseBuilder
{
public:
    // Fingerings kept per chord name: the easiest, then further positions along the neck.
    static constexpr int maxFingerings = 6;

    explicit ChordDatabaseBuilder(const Instrument &instrument);

    // The instruments that ship a chord database, each as the instrument table makes it from its title.
    static QList<Instrument> instruments();

    // Every record in file order: per catalog chord its fingerings as the library lists them (by base fret,
    // the easiest first among equals), then the same fingerings under each alias.
    const QList<Chord> &chords() const { return m_chords; }
    // Catalog chords the instrument cannot play, with the reason.
    const QList<ChordGap> &gaps() const { return m_gaps; }

    // The chord database file.
    QByteArray pdb() const;
    // One line per name: its fingerings in order (absolute frets lowest string first, "x" muted, and the
    // ranking rules with their costs; note numbers from middle C on a keyboard), aliases as "alias = name",
    // then the gaps.
    QString dump() const;

private:
    // One fingering with the ranking rules that placed it, for the dump.
    struct Fingering
    {
        Chord::Strings values;
        QString ranking;
    };

    QList<Fingering> fingerings(const FretSearch &search, const ChordTarget &target) const;
    QList<Fingering> inLibraryOrder(const QString &name, const QList<Fingering> &easiestFirst) const;
    QString dumpText(const Fingering &fingering) const;

    Instrument m_instrument;
    QList<Chord> m_chords;
    QList<ChordGap> m_gaps;
    QStringList m_dumpLines;
};
