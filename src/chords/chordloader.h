// The loading job of a chord library: the built-in chord database and the user chord file, read into a table.
#pragma once

#include "chordtable.h"
#include "instrument.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

// Runs on a worker thread. It reads only its arguments, which the caller copies for it, and hands back
// everything it found, the diagnostics included, for the caller to publish on the main thread.
class ChordLoader
{
public:
    struct Result
    {
        ChordTable table;
        // The tuning line of the user chord file, when it has an accepted one.
        std::optional<Instrument::Tuning> tuning;
        // Lines to log: nothing is logged from the worker.
        QStringList diagnostics;
    };

    // The built-in chords of the instrument's chord database, then the user chord file.
    static Result load(const Instrument &instrument, const QString &definedChordsPath);

    // The chord of one database record, or nothing for a record that holds none: too short, an empty title or
    // one without its terminating zero, or first byte 0xCE or 0xFE (records that are not chords).
    static std::optional<Chord> chordFromRecord(const QByteArray &data);

    // Files the user chord file's lines: the first accepted tuning line, then one chord definition per line.
    static void readUserChords(const QString &text, const Instrument &instrument, Result &result);

private:
    static void readDatabase(const Instrument &instrument, Result &result);
    static void readUserChordFile(const QString &path, const Instrument &instrument, Result &result);
};
