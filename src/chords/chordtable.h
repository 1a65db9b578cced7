// The chords of one instrument filed by canonical name, and the canonical names filed by root.
#pragma once

#include "chord.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class Instrument;

// A plain value with no links to anything else, so a loading thread can fill one of its own and hand it over.
// Names are canonical (Chord::canonicalNameForChordTitle): Db7 and C#7 meet under C#7, filed under root C#.
class ChordTable
{
public:
    // Appends the chord to the chords of its name, and files the name under its root (kept in chord order).
    void addChord(const Chord &chord);
    // Removes every equal chord (same title and values). A name left without chords goes; its root stays.
    void removeChord(const Chord &chord);
    // Puts the replacement where the first equal chord was, when both have one name; otherwise removes the
    // old chord and adds the replacement. False when no chord is equal to old.
    bool replaceChord(const Chord &old, const Chord &replacement);
    // Marks every chord equal to the chord as favourite or not; marking one clears the mark of the name's
    // other chords, so a name has one favourite at most. False when no chord is equal.
    bool setFavorite(const Chord &chord, bool on);
    // Removes the first built-in chord of the name (not editable, no favourite) whose fingering matches on the
    // instrument's strings: a favourite from the user chord file takes its place.
    bool removeBuiltInChordFor(const Chord &chord, const Instrument &instrument);
    // Removes every automatic chord, so that the next look-ups make them anew.
    void removeAutomaticChords();

    // The chords filed under the name's canonical name; null when it has none.
    QList<Chord> *chordsFor(const QString &title);
    const QList<Chord> *chordsFor(const QString &title) const;
    bool contains(const QString &title) const { return chordsFor(title) != nullptr; }

    QList<Chord> allChords() const;
    // The chords the user chord file holds: editable ones and favourites, in name order.
    QList<Chord> editableChords() const;
    // The roots, in chord order.
    QStringList baseNames() const;
    // The names filed under a root (canonical), in chord order; empty for an unknown root.
    QStringList namesForBaseName(const QString &baseName) const;
    // The distinct titles found by a search, sorted. Text starting with a digit looks for the frets of the
    // fingerings (their description); any other text for titles, ignoring case and diacritics.
    QStringList namesForSearch(const QString &text, const Instrument &instrument) const;

private:
    void dropNameWhenEmpty(const QString &canonicalName);

    QMap<QString, QList<Chord>> m_chordsByCanonicalName;
    QMap<QString, QStringList> m_chordNamesByCanonicalBaseName;
};
