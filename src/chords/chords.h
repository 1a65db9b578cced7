// The chord library of one instrument: its built-in chords and the user's own chords and favourites.
#pragma once

#include "chordloader.h"
#include "chordtable.h"
#include "instrument.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Loading runs on a worker thread from copies of its own (the instrument as it was when the library was
// made); the main thread publishes the result and emits ready(). Everything else runs on the main thread.
// Until ready, look-ups see only what was added meanwhile; such edits are kept and applied to the loaded
// chords, and a save asked for meanwhile waits, so the user chord file is never written half-loaded.
class Chords : public QObject
{
    Q_OBJECT

public:
    // Starts loading the instrument's chord database and the user chord file at definedChordsPath. The
    // instrument must outlive the library: the library applies the file's tuning to it and reads its tuning
    // on every look-up.
    Chords(Instrument &instrument, const QString &definedChordsPath, QObject *parent = nullptr);
    // Waits for the loading thread, which only reads its own copies, to end.
    ~Chords() override;

    bool isReady() const { return m_ready; }
    const QString &definedChordsPath() const { return m_definedChordsPath; }
    const Instrument &instrument() const { return m_instrument; }

    // Files a chord under its name; the caller saves.
    void addChord(const Chord &chord);
    // Unfiles every chord with the same title and values; the name's root stays listed.
    void removeChord(const Chord &chord);
    // Puts the replacement in the old chord's place (a chord of another name is filed under that name);
    // the caller saves. False when the library holds no chord equal to old.
    bool replaceChord(const Chord &old, const Chord &replacement);
    // Marks the chords equal to the chord as favourite, clearing the mark of the name's other chords, or
    // takes the mark away; the caller saves. False when the library holds no equal chord.
    bool setFavorite(const Chord &chord, bool on);
    // Removes the first built-in chord of the chord's name with the same fingering.
    bool removeBuiltInChordFor(const Chord &chord);

    // The fingerings of a name, in display order: favourites, the automatic fingering for a detuned
    // instrument (made once per tuning), built-in chords (easiest first, as the database lists them) and
    // the user's chords, each group by base fret. A keyboard falls back from a slash chord to the chord
    // without its bass. Empty for an unknown name.
    QList<Chord> chordsForTitle(const QString &title);
    // The one fingering to draw for a name in the current tuning: its first fingering, retuned once (an
    // automatic fingering is already one for this tuning and comes back as it is). Song lines and printed
    // chord rows draw it as given, so they show what the chord pane shows first. Nothing for an unknown name.
    std::optional<Chord> fingeringToDraw(const QString &title);
    bool containsChord(const QString &title) const;
    QList<Chord> allChords() const;
    // The canonical roots, in chord order, and the canonical names under one of them.
    QStringList chordBaseNames() const;
    QStringList chordsForBaseName(const QString &baseName) const;
    // Titles whose fingering's frets (text starting with a digit) or name (any other text, ignoring case and
    // diacritics) contain the text; sorted, each once.
    QStringList chordNamesForSearch(const QString &text) const;

    // Writes the user chord file atomically: the tuning line when detuned (the user's own tuning, never one
    // that the shown song set), then the user's chords and favourites. Before the library is ready the save
    // waits until it is. False (and logged) when the file could not be written.
    bool saveDefines();

Q_SIGNALS:
    // Loading has finished and the library holds every chord.
    void ready();

private:
    // Applies an edit to the chords now and, before ready, again to the loaded chords. Answers the edit's.
    bool edit(const std::function<bool(ChordTable &)> &change);
    // Takes over what the loading thread found; queued to the main thread by the loading thread.
    Q_INVOKABLE void publishLoaded();
    void applyFileTuning(const std::optional<Instrument::Tuning> &tuning);
    void sortForDisplay(QList<Chord> &chords) const;
    // Drops the automatic chords when the tuning they were made for has changed.
    void forgetAutomaticChordsOfOtherTunings();
    // Adds the automatic fingering of a name (its chords sorted, not empty) for a detuned instrument, at
    // most once per name and tuning.
    void addAutomaticChordOnce(QList<Chord> &chords);

    Instrument &m_instrument;
    const QString m_definedChordsPath;
    ChordTable m_table;
    bool m_ready = false;
    bool m_savePending = false;
    std::vector<std::function<bool(ChordTable &)>> m_editsBeforeReady;

    // The tuning when loading started: a tuning changed since (by the user or a song) is newer than the file's.
    const Instrument::Tuning m_tuningAtStart;
    // The user's own tuning, which the file keeps while a song's tuning is in force.
    Instrument::Tuning m_userTuning;

    // The tuning the automatic chords in the table were made for, and the names already tried for it.
    Instrument::Tuning m_automaticTuning{};
    QSet<QString> m_automaticTried;

    // Hand-over from the loading thread.
    std::mutex m_loadedMutex;
    std::optional<ChordLoader::Result> m_loaded;
    std::thread m_loader;
};
