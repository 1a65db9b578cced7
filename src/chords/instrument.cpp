// An instrument whose chords the system knows: its strings' open tones and tuning, or a keyboard.
#include "instrument.h"

#include "chord.h"
#include "log.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>

namespace {

struct KnownInstrument
{
    const char *title;
    const char *displayName; // as people say it; the title stays the stored identifier
    int numstrings;
    std::array<int, Instrument::maxStrings> basetones;
    bool isBass;
    bool isKeyboard;
};

// Strings and open tones by chord database title. Any other title is a six-string guitar.
constexpr std::array<int, Instrument::maxStrings> kGuitarTones = {-8, -3, 2, 7, 11, 16};
constexpr KnownInstrument kKnownInstruments[] = {
    {"Guitar", QT_TRANSLATE_NOOP("Instrument", "Guitar"), 6, kGuitarTones, false, false},
    {"Ukulele_C", QT_TRANSLATE_NOOP("Instrument", "Ukulele (C tuning)"), 4, {7, 0, 4, 9}, false, false},
    {"Ukulele_D", QT_TRANSLATE_NOOP("Instrument", "Ukulele (D tuning)"), 4, {9, 2, 6, 11}, false, false},
    {"Ukulele_Bariton", QT_TRANSLATE_NOOP("Instrument", "Baritone Ukulele"), 4, {2, 7, 11, 16}, false, false},
    {"Mandolin", QT_TRANSLATE_NOOP("Instrument", "Mandolin"), 4, {-5, 2, 9, 16}, false, false},
    {"Fiddle", QT_TRANSLATE_NOOP("Instrument", "Fiddle"), 4, {-5, 2, 9, 16}, false, false},
    {"Banjo", QT_TRANSLATE_NOOP("Instrument", "Banjo"), 5, {-5, 2, 7, 11, 14}, false, false},
    {"Banjo_Tenor", QT_TRANSLATE_NOOP("Instrument", "Tenor Banjo"), 4, {0, 7, 14, 21}, false, false},
    {"Irish_Bouzouki", QT_TRANSLATE_NOOP("Instrument", "Irish Bouzouki"), 4, {-5, 2, 9, 14}, false, false},
    {"Greek_Bouzouki", QT_TRANSLATE_NOOP("Instrument", "Greek Bouzouki"), 4, {0, 5, 9, 14}, false, false},
    {"Bass_Guitar", QT_TRANSLATE_NOOP("Instrument", "Bass Guitar"), 4, {-20, -15, -10, -5}, true, false},
    {"Bass_5", QT_TRANSLATE_NOOP("Instrument", "5-String Bass"), 5, {-25, -20, -15, -10, -5}, true, false},
    {"Charango", QT_TRANSLATE_NOOP("Instrument", "Charango"), 5, {19, 24, 28, 21, 28}, false, false},
    {"Ronroco", QT_TRANSLATE_NOOP("Instrument", "Ronroco"), 5, {14, 19, 23, 16, 23}, false, false},
    {"Mountain_Dulcimer", QT_TRANSLATE_NOOP("Instrument", "Mountain Dulcimer"), 3, {2, 9, 14}, false, false},
    {"Cigar_Box_Guitar", QT_TRANSLATE_NOOP("Instrument", "Cigar Box Guitar"), 3, {-5, 2, 7}, false, false},
    {"Guitalele", QT_TRANSLATE_NOOP("Instrument", "Guitalele"), 6, {-3, 2, 7, 12, 16, 21}, false, false},
    {"Piano", QT_TRANSLATE_NOOP("Instrument", "Piano"), 6, {}, false, true},
};

// The semitones above the open tone at which a string sounds a pitch class, 0..11.
int fretForTone(int tone, int openTone)
{
    return (((tone - openTone) % 12) + 12) % 12;
}

// A fret as a stored value: fret 15 is stored apart, since 15 means muted.
int storedValueOf(int fret)
{
    return fret == 15 ? Chord::fretFifteen : fret;
}

} // namespace

Instrument::Instrument(const QString &title, int numstrings, const std::array<int, maxStrings> &basetones,
                       bool isKeyboard)
    : m_basetones(basetones)
    , m_isKeyboard(isKeyboard)
    , m_numstrings(qBound(0, numstrings, maxStrings))
    , m_title(title)
{}

Instrument Instrument::fromPath(const QString &chordDatabasePath)
{
    const QString title = QFileInfo(chordDatabasePath).completeBaseName();
    Instrument instrument(title, maxStrings, kGuitarTones);
    for (const KnownInstrument &known : kKnownInstruments) {
        if (title == QLatin1String(known.title)) {
            instrument = Instrument(title, known.numstrings, known.basetones, known.isKeyboard);
            instrument.m_isBass = known.isBass;
            break;
        }
    }
    instrument.m_chorddbpath = chordDatabasePath;
    return instrument;
}

QString Instrument::displayName() const
{
    for (const KnownInstrument &known : kKnownInstruments) {
        if (m_title == QLatin1String(known.title))
            return QCoreApplication::translate("Instrument", known.displayName);
    }
    // Any other chord database: its file name, with blanks for the underscores that stand for them.
    return QString(m_title).replace(u'_', u' ');
}

bool Instrument::hasDiatonicFrets() const
{
    return m_title == QLatin1String("Mountain_Dulcimer");
}

QString Instrument::definedChordsPath(const QString &songDirectory) const
{
    return songDirectory + u'/' + m_title + QStringLiteral(".chords.txt");
}

int Instrument::compareTitle(const Instrument &other) const
{
    const int order = m_title.compare(other.m_title, Qt::CaseInsensitive);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int Instrument::baseToneForString(int string) const
{
    if (m_isKeyboard || string < 0 || string >= m_numstrings)
        return 0;
    return m_basetones[string];
}

int Instrument::tunedToneForString(int string) const
{
    if (m_isKeyboard || string < 0 || string >= m_numstrings)
        return 0;
    return m_basetones[string] + int(m_deltatuning[string]);
}

int Instrument::toneForString(qint64 column, const ChordDisplayOptions &options) const
{
    return tunedToneForString(stringForColumn(column, options));
}

int Instrument::stringForColumn(qint64 column, const ChordDisplayOptions &options) const
{
    if (column < 0 || column >= m_numstrings)
        return -1;
    return options.leftHandedChordDisplay ? m_numstrings - 1 - int(column) : int(column);
}

bool Instrument::isDetuned(const Tuning &tuning) const
{
    return !m_isKeyboard && std::any_of(tuning.begin(), tuning.begin() + m_numstrings, [](qint64 d) { return d != 0; });
}

std::optional<Instrument::Tuning> Instrument::parseTuning(const QString &line) const
{
    // Every blank separates, so two blanks stand for an empty name (read as C); blanks at the ends do not
    // count, so a trailing blank never passes for a missing string.
    const QStringList pieces = line.trimmed().replace(u'\t', u' ').split(u' ');
    if (pieces.size() < m_numstrings + 1 || pieces.front() != QLatin1String("#"))
        return std::nullopt;
    Tuning tuning{};
    for (int s = 0; s < m_numstrings; ++s) {
        const QString &name = pieces[s + 1];
        qint64 tone = Chord::toneForChordTitle(name.left(1).toUpper() + name.mid(1));
        // Each string moves at most six semitones away from its open tone.
        const int open = m_basetones[s];
        while (tone > open + 6)
            tone -= 12;
        while (tone < open - 6)
            tone += 12;
        tuning[s] = tone - open;
    }
    return tuning;
}

bool Instrument::loadTuning(const QString &line)
{
    const std::optional<Tuning> tuning = parseTuning(line);
    if (tuning)
        m_deltatuning = *tuning;
    return tuning.has_value();
}

void Instrument::saveTuning(QString &text) const
{
    text += tuningLine(m_deltatuning);
}

QStringList Instrument::tunedNoteNames(const Tuning &tuning) const
{
    QStringList names;
    for (int s = 0; s < m_numstrings; ++s)
        names.append(Chord::chordForTone(m_basetones[s] + tuning[s]));
    return names;
}

QString Instrument::tuningLine(const Tuning &tuning) const
{
    if (!isDetuned(tuning))
        return QString();
    return QStringLiteral("# ") + tunedNoteNames(tuning).join(u' ') + u'\n';
}

QString Instrument::tuningDescription(const ChordDisplayOptions &options) const
{
    QStringList names = tunedNoteNames(m_deltatuning);
    if (options.leftHandedChordDisplay)
        std::reverse(names.begin(), names.end());
    for (QString &name : names)
        name = Chord::displayNameForChordname(name, options);
    return names.join(u' ');
}

Chord Instrument::tunedChordForChord(const Chord &chord) const
{
    if (chord.temp() || chord.editable() || chord.automatic() || !isDetuned())
        return chord;
    Chord tuned = chord;
    int lowest = 0; // the lowest fret other than open, 0 when every string is open or muted
    for (int s = 0; s < m_numstrings; ++s) {
        const int value = chord.strings()[s];
        if (value == Chord::muted)
            continue;
        int fret = Chord::fretOfValue(value) - int(m_deltatuning[s]);
        if (fret < 0)
            fret += 12;
        tuned.strings()[s] = storedValueOf(fret);
        if (fret != 0 && (lowest == 0 || fret < lowest))
            lowest = fret;
    }
    // A string that had to move up an octave lands out of reach of the other fingers: leave it unplayed.
    if (lowest != 0) {
        for (int s = 0; s < m_numstrings; ++s) {
            int &value = tuned.strings()[s];
            if (value != Chord::muted && Chord::fretOfValue(value) > lowest + 5)
                value = Chord::muted;
        }
    }
    return tuned;
}

std::optional<Chord> Instrument::automaticTunedChordForChord(const Chord &chord) const
{
    constexpr int kNoTone = -1;
    constexpr int kReach = 6; // frets 0 to 5
    const std::set<int> tones = chord.baseTones(*this);
    Chord automatic;
    automatic.setTitle(chord.title());
    automatic.setAutomatic(true);
    automatic.strings().fill(Chord::muted);
    std::array<int, maxStrings> assigned;
    assigned.fill(kNoTone);
    auto fretFor = [this](int tone, int string) { return fretForTone(tone, tunedToneForString(string)); };

    // Each string takes the lowest fret within reach that sounds any of the chord's tones.
    for (int tone : tones) {
        for (int s = 0; s < m_numstrings; ++s) {
            const int fret = fretFor(tone, s);
            int &value = automatic.strings()[s];
            if (fret < kReach && (value == Chord::muted || value > fret)) {
                value = fret;
                assigned[s] = tone;
            }
        }
    }
    // A tone no string sounds yet takes, from the highest string down, one whose tone another string doubles.
    auto sounded = [&](int tone) { return std::find(assigned.begin(), assigned.end(), tone) != assigned.end(); };
    auto doubled = [&](int s) {
        return std::count(assigned.begin(), assigned.begin() + m_numstrings, assigned[s]) > 1;
    };
    for (int tone : tones) {
        if (sounded(tone))
            continue;
        for (int s = m_numstrings - 1; s >= 0; --s) {
            const int fret = fretFor(tone, s);
            if (fret < kReach && doubled(s)) {
                automatic.strings()[s] = fret;
                assigned[s] = tone;
                break;
            }
        }
    }
    if (!std::all_of(tones.begin(), tones.end(), sounded)) {
        Log::write(QStringLiteral("No auto-chord found for tuning %1 and chord %2")
                       .arg(tuningDescription(), chord.description(*this)));
        return std::nullopt;
    }
    return automatic;
}
