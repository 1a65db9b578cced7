// A chord: the rules of chord names (static), and one fingering of a chord on an instrument (the value).
#pragma once

#include "chorddisplayoptions.h"
#include "note.h"

#include <QList>
#include <QRectF>
#include <QString>

#include <array>
#include <set>

class Chords;
class Instrument;

class Chord
{
public:
    // Values of a string: 0 open, a positive fret, muted, or fret 15 (stored as fretFifteen because 15 means
    // muted). For keyboard instruments the values are note numbers, middle C 0.
    static constexpr int muted = 15;
    static constexpr int fretFifteen = -17;
    // The fret a stored value stands for: fretFifteen is fret 15; every other value is itself.
    static constexpr int fretOfValue(int value) { return value == fretFifteen ? 15 : value; }
    // The range a definition may give a string (what a chord database record can hold); a definition with a
    // value outside it is refused, so no later arithmetic or drawing meets absurd frets.
    static constexpr int lowestValue = -128;
    static constexpr int highestValue = 127;

    using Strings = std::array<int, 6>;

    // ---- Chord-name rules: pure functions of chord names (text) --------------------------------------------

    // The root: the first character and up to two "b" or "#" after it ("C##" is D).
    static QString chordBaseForChord(const QString &name);
    // Pitch class 0..11 (C = 0) of a root spelled exactly as a note name; 0 for anything else.
    static int toneForChordBaseName(const QString &root);
    static int toneForChordTitle(const QString &name);
    static bool isValidChord(const QString &name);
    // A valid name the chord library knows; false without a library (the caller hands in the application's).
    static bool isRealChord(const QString &name, const Chords *library);
    static bool isMinor(const QString &name);
    static bool isMinorKey(const QString &key);
    // Whether a key on this tone is written with flats.
    static bool isFlatTone(qint64 tone, bool minor);
    // Spelling of a tone (taken modulo 12): the default spelling, or all sharps / all flats.
    static QString chordForTone(qint64 tone);
    static QString chordForTone(qint64 tone, bool useSharp);

    // Transposes the root (and a slash bass, which follows the new root's accidental) by semitones.
    // favor: 0 the default spelling, '#' sharps, anything else flats. Text that is no chord comes back unchanged.
    static QString transpose(const QString &name, qint64 steps, QChar favor = QChar());
    static QString flatChordForName(const QString &name);
    static QString sharpChordForName(const QString &name);
    // The relative major's root of a minor chord name (its root up three semitones).
    static QString majorForMinor(const QString &name);

    // The key under which the chord library files a chord: enharmonic roots and basses meet, "M" becomes "maj".
    static QString canonicalNameForChordTitle(const QString &name);
    static QString latinNameForChordTitle(const QString &name);
    static QString germanNameForChordTitle(const QString &name);
    static QString displayNameForChordname(const QString &name, const ChordDisplayOptions &options);

    static bool isNashvilleNumber(const QString &text);
    // The Nashville number of a default-spelled root in the key of C ("Eb" -> "2#", "Am" -> "6m"); null if none.
    static QString nashvilleNumberForBase(const QString &root);
    static QString nashvilleNumberForName(const QString &name, const QString &key);
    static QString nameForNashvilleNumber(const QString &number, const QString &key, QChar favor = QChar());

    // Ordering of chord names: by the root's tone, then by the literal suffix. -1, 0 or 1.
    static int chordCompare(const QString &a, const QString &b);

    // The sounding semitones above the open string of a Mountain Dulcimer's diatonic fret.
    static qint64 mountainDulcimerString(qint64 fret);

    // ---- The fingering -----------------------------------------------------------------------------------------

    // Empty title, six open strings, no flags: not valid.
    Chord() = default;
    // Reads a chord definition string: title, optional word, base fret, optional word, up to six fret pieces
    // relative to the base fret ("x" muted), and a final "*" for a favourite. Garbage gives an invalid chord.
    static Chord fromDefinition(const QString &definition);
    // The chord definition string for the instrument's strings; reads back to the same values.
    QString definition(const Instrument &instrument) const;

    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    bool editable() const { return m_editable; }
    void setEditable(bool editable) { m_editable = editable; }
    bool invert() const { return m_invert; }
    void setInvert(bool invert) { m_invert = invert; }
    bool temp() const { return m_temp; }
    void setTemp(bool temp) { m_temp = temp; }
    bool favorite() const { return m_favorite; }
    void setFavorite(bool favorite) { m_favorite = favorite; }
    // Made by the chord library for a detuned instrument, already a fingering for that tuning: never
    // retuned again, never saved.
    bool automatic() const { return m_automatic; }
    void setAutomatic(bool automatic) { m_automatic = automatic; }
    // Where a chord view drew the chord.
    const QRectF &bounds() const { return m_bounds; }
    void setBounds(const QRectF &bounds) { m_bounds = bounds; }

    // The six values in storage order (lowest string first); values beyond the instrument's strings are kept.
    const Strings &strings() const { return m_strings; }
    Strings &strings() { return m_strings; }

    // A title and at least one string that is not open (a muted string counts).
    bool valid() const;
    // Takes over another chord's title, editable and favourite flags and values (not temp, invert, bounds).
    void updateFromChord(const Chord &other);

    // The value of the string shown in a diagram column (mirrored for left-handed display); muted for a
    // column the instrument lacks.
    int stringAt(int column, const Instrument &instrument, const ChordDisplayOptions &options) const;
    void setStringAt(int column, int value, const Instrument &instrument, const ChordDisplayOptions &options);
    // Whether the string shown in a column sounds the chord's root.
    bool isBaseAt(qint64 column, const Instrument &instrument, const ChordDisplayOptions &options) const;

    // The sounding notes, lowest first.
    QList<Note> notes(const Instrument &instrument) const;
    // The pitch classes the chord sounds in standard tuning, ascending.
    std::set<int> baseTones(const Instrument &instrument) const;
    // The fret search text: the title and each string's absolute fret ("x" muted).
    QString description(const Instrument &instrument) const;

    // The fret above the diagram's first row: 0 at the nut.
    int baseFret(const Instrument &instrument) const;
    // The label beside the first fret row: empty at the nut.
    QString baseFretAsString(const Instrument &instrument) const;
    // Fret rows the diagram shows, at least 4.
    int numFrets(const Instrument &instrument) const;

    // Same title (exactly) and same six values; the flags do not count.
    bool operator==(const Chord &other) const;
    // Display order of chords of one name: favourites, then built-in, then by base fret. -1, 0 or 1.
    int compare(const Chord &other, const Instrument &instrument) const;
    // Same fingering on the instrument's strings, a string muted on either side matching anything.
    bool isIdenticalToChord(const Chord &other, const Instrument &instrument) const;
    // A barre to draw: its first and last string (storage order) and its fret. The out-values are written
    // only when the answer is true.
    bool barreFromString(int &fromString, int &toString, int &onFret, const Instrument &instrument) const;

    // ---- The chord-name rules on the chord's own title ------------------------------------------------------

    QString chordBase() const { return chordBaseForChord(m_title); }
    QString chordModifier() const { return m_title.mid(chordBase().size()); }
    int tone() const { return toneForChordTitle(m_title); }
    bool isMinor() const { return isMinor(m_title); }
    QString canonicalName() const { return canonicalNameForChordTitle(m_title); }
    QString displayName(const ChordDisplayOptions &options) const { return displayNameForChordname(m_title, options); }

private:
    // Semitones above the open string that a stored value sounds (diatonic frets on the dulcimer).
    static int soundingFret(int value, const Instrument &instrument);
    // The instrument's strings, at most six.
    static int stringCount(const Instrument &instrument);
    // The base fret that definition() writes: one every value reads back through.
    int definitionBaseFret(const Instrument &instrument) const;

    Strings m_strings{};
    bool m_editable = false;
    bool m_invert = false;
    bool m_temp = false;
    bool m_favorite = false;
    bool m_automatic = false;
    QString m_title;
    QRectF m_bounds;
};

// Its members move as plain memory, so a growing list of chords (a song's chord hits) moves them without
// copying each one.
Q_DECLARE_TYPEINFO(Chord, Q_RELOCATABLE_TYPE);
