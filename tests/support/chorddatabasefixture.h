// Chord database files written in a test's own folder, for tests that need an instrument's built-in chords.
// Header-only: a test that includes it links vellorin_chords.
#pragma once

#include "chorddatabasefile.h"
#include "textfile.h"

#include <QList>
#include <QString>

#include <array>
#include <initializer_list>

struct FixtureChord
{
    const char *title;
    std::array<int, 6> strings; // stored values: 15 muted, -17 fret 15
};

// The data of one chord record: six signed values, two unused bytes, the title and its terminating zero.
inline QByteArray chordRecordData(const FixtureChord &chord)
{
    QByteArray data;
    for (int value : chord.strings)
        data.append(char(qint8(value)));
    data.append(2, '\0');
    data.append(chord.title);
    data.append('\0');
    return data;
}

// Writes "<folder>/<title>.pdb" holding the chords in order; answers its path.
inline QString writeChordDatabase(const QString &folder, const QString &title,
                                  std::initializer_list<FixtureChord> chords)
{
    QList<PalmRecord> records;
    for (const FixtureChord &chord : chords) {
        PalmRecord record;
        record.data = chordRecordData(chord);
        records.append(record);
    }
    const QString path = folder + u'/' + title + QStringLiteral(".pdb");
    TextFile::writeBytes(path, ChordDatabaseFile::writePdb(title, records));
    return path;
}
