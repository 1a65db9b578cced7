// An instrument whose chords the system knows: its strings' open tones and tuning, or a keyboard.
#pragma once

#include "chorddisplayoptions.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Chord;

class Instrument
{
public:
    // Chords store one value per string for at most this many strings.
    static constexpr int maxStrings = 6;
    // Detuning of each string in semitones, lowest string first; all 0 is standard tuning.
    using Tuning = std::array<qint64, maxStrings>;

    // 6 strings, not a keyboard, no tones and no title.
    Instrument() = default;
    // An instrument with the given strings; numstrings is kept within 0..maxStrings.
    // Open tones are in semitones from middle C (0), lowest string first; a keyboard has no tones.
    Instrument(const QString &title, int numstrings, const std::array<int, maxStrings> &basetones,
               bool isKeyboard = false);
    // The instrument of a chord database file: its title is the file name without the extension, and the
    // title chooses strings, tones and flags (an unknown title is a six-string guitar).
    static Instrument fromPath(const QString &chordDatabasePath);

    // The identifier kept in the settings, songs and file names ("Cigar_Box_Guitar").
    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    // The name the user sees ("Cigar Box Guitar", "Ukulele (D tuning)"), translated.
    QString displayName() const;
    int numstrings() const { return m_numstrings; }
    bool isKeyboard() const { return m_isKeyboard; }
    bool isBass() const { return m_isBass; }
    // The Mountain Dulcimer's frets are diatonic: chords store fret numbers, not semitones.
    bool hasDiatonicFrets() const;
    const QString &chorddbpath() const { return m_chorddbpath; }
    void setChorddbpath(const QString &path) { m_chorddbpath = path; }
    // The current tuning was set by the shown song, not by the user: it is neither stored in the user chord
    // file nor replaced by the file's tuning line.
    bool songTuning() const { return m_songTuning; }
    void setSongTuning(bool songTuning) { m_songTuning = songTuning; }

    // The user chord file in a song folder: "<title>.chords.txt".
    QString definedChordsPath(const QString &songDirectory) const;
    // Ordering of titles ignoring case: -1, 0 or 1.
    int compareTitle(const Instrument &other) const;

    // Open tone of a string in storage order, without detuning; 0 for a keyboard or a string it lacks.
    int baseToneForString(int string) const;
    // Open tone plus detuning of a string in storage order; 0 for a keyboard or a string it lacks.
    int tunedToneForString(int string) const;
    // Tuned tone of the string shown in a diagram column (mirrored for left-handed display).
    int toneForString(qint64 column, const ChordDisplayOptions &options) const;
    // The string (storage order) shown in a diagram column, or -1 for a column the instrument lacks.
    int stringForColumn(qint64 column, const ChordDisplayOptions &options) const;

    // ---- Tuning ----------------------------------------------------------------------------------------------

    const Tuning &deltaTuning() const { return m_deltatuning; }
    void setDeltaTuning(const Tuning &tuning) { m_deltatuning = tuning; }
    // A keyboard is never detuned.
    bool isDetuned() const { return isDetuned(m_deltatuning); }
    void resetTuning() { m_deltatuning = Tuning{}; }

    // The tuning a tuning line ("# " and one note name per string, lowest first) asks for, each string
    // moved by at most six semitones; nothing when the line is no tuning line for this instrument.
    // Touches nothing, so a loading thread may call it on its own copy of the instrument.
    std::optional<Tuning> parseTuning(const QString &line) const;
    // Takes the tuning of a tuning line; a line that is not accepted changes nothing.
    bool loadTuning(const QString &line);
    // Appends the tuning line of the current tuning, or nothing in standard tuning.
    void saveTuning(QString &text) const;
    // The tuning line ("# E A D G B E\n", default spellings) of a tuning; empty for standard tuning.
    QString tuningLine(const Tuning &tuning) const;
    // The tuned strings' note names as shown: display order and Latin or German names as the options say.
    // With default options it is the plain form in storage order, the form to let the user edit and to
    // read back through loadTuning("# " + text).
    QString tuningDescription(const ChordDisplayOptions &options = {}) const;

    // The same sounds played in the current tuning: a built-in chord (or a favourite of one) in standard
    // tuning moved onto the detuned strings. User, song and automatic chords, which are fingerings for the
    // tuning as it is, come back unchanged, as does everything in standard tuning.
    Chord tunedChordForChord(const Chord &chord) const;
    // A new fingering within the first five frets of the current tuning that sounds the chord's tones, or
    // nothing (logged) when the strings cannot give every tone.
    std::optional<Chord> automaticTunedChordForChord(const Chord &chord) const;

private:
    bool isDetuned(const Tuning &tuning) const;
    // Note name of each tuned string in storage order, default spellings.
    QStringList tunedNoteNames(const Tuning &tuning) const;

    std::array<int, maxStrings> m_basetones{};
    Tuning m_deltatuning{};
    bool m_isKeyboard = false;
    bool m_isBass = false;
    bool m_songTuning = false;
    int m_numstrings = maxStrings;
    QString m_title;
    QString m_chorddbpath;
};
