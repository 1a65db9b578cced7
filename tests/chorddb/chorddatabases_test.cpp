// The shipped chord databases, read as the application reads them: through the instrument list, the
// chord database reader and the chord library.
#include "chordcatalog.h"
#include "chorddatabasebuilder.h"
#include "chorddatabasefile.h"
#include "chordformula.h"
#include "chords.h"
#include "fretsearch.h"
#include "instruments.h"
#include "playability.h"
#include "playingstyle.h"

#include <QFile>
#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <iostream>
#include <map>
#include <memory>

namespace {

// The chord library of an instrument, loaded, with no user chord file.
class LoadedLibrary
{
public:
    explicit LoadedLibrary(Instrument &instrument)
        : m_chords(instrument, m_home.filePath(instrument.title() + QStringLiteral(".chords.txt")))
    {
        QSignalSpy ready(&m_chords, &Chords::ready);
        if (!m_chords.isReady()) {
            EXPECT_TRUE(ready.wait(20000)) << qPrintable(instrument.title());
        }
    }
    Chords &chords() { return m_chords; }

private:
    QTemporaryDir m_home;
    Chords m_chords;
};

unsigned toneMask(const std::set<int> &tones)
{
    unsigned mask = 0;
    for (int tone : tones)
        mask |= 1u << tone;
    return mask;
}

QList<Chord::Strings> stringsOf(const QList<Chord> &chords)
{
    QList<Chord::Strings> strings;
    for (const Chord &chord : chords)
        strings.append(chord.strings());
    return strings;
}

Frets fretsOf(const Chord &chord, const Instrument &instrument)
{
    Frets frets;
    for (int string = 0; string < instrument.numstrings(); ++string) {
        const int value = chord.strings()[string];
        frets.push_back(value == Chord::muted ? Playability::Muted : value == Chord::fretFifteen ? 15 : value);
    }
    return frets;
}

// The tones each quality may sound and must sound, in semitones above the root, as common practice has them and
// written apart from the generator's own formulas: a dominant 13th leaves out the 11th (it clashes with the
// major third) unless the name asks for it, the 9th of "add9" is required and no 7th may sound, and the fifth
// of a seventh or extended chord may be left out.
struct ChordTones
{
    std::set<int> allowed;
    std::set<int> required;
};

const ChordTones *chordTonesFor(const std::string &suffix)
{
    static const std::map<std::string, ChordTones> table = {
        {"", {{0, 4, 7}, {0, 4, 7}}},
        {"m", {{0, 3, 7}, {0, 3, 7}}},
        {"5", {{0, 7}, {0, 7}}},
        {"sus2", {{0, 2, 7}, {0, 2, 7}}},
        {"sus4", {{0, 5, 7}, {0, 5, 7}}},
        {"dim", {{0, 3, 6}, {0, 3, 6}}},
        {"aug", {{0, 4, 8}, {0, 4, 8}}},
        {"6", {{0, 4, 7, 9}, {0, 4, 9}}},
        {"m6", {{0, 3, 7, 9}, {0, 3, 9}}},
        {"add9", {{0, 2, 4, 7}, {0, 2, 4}}},
        {"m(add9)", {{0, 2, 3, 7}, {0, 2, 3}}},
        {"6/9", {{0, 2, 4, 7, 9}, {0, 2, 4, 9}}},
        {"7", {{0, 4, 7, 10}, {0, 4, 10}}},
        {"m7", {{0, 3, 7, 10}, {0, 3, 10}}},
        {"maj7", {{0, 4, 7, 11}, {0, 4, 11}}},
        {"m(maj7)", {{0, 3, 7, 11}, {0, 3, 11}}},
        {"7sus4", {{0, 5, 7, 10}, {0, 5, 10}}},
        {"dim7", {{0, 3, 6, 9}, {0, 3, 6, 9}}},
        {"m7b5", {{0, 3, 6, 10}, {0, 3, 6, 10}}},
        {"7b5", {{0, 4, 6, 10}, {0, 4, 6, 10}}},
        {"7#5", {{0, 4, 8, 10}, {0, 4, 8, 10}}},
        {"9", {{0, 2, 4, 7, 10}, {0, 2, 4, 10}}},
        {"m9", {{0, 2, 3, 7, 10}, {0, 2, 3, 10}}},
        {"maj9", {{0, 2, 4, 7, 11}, {0, 2, 4, 11}}},
        {"7b9", {{0, 1, 4, 7, 10}, {0, 1, 4, 10}}},
        {"7#9", {{0, 3, 4, 7, 10}, {0, 3, 4, 10}}},
        {"11", {{0, 2, 4, 5, 7, 10}, {0, 5, 10}}},
        {"m11", {{0, 2, 3, 5, 7, 10}, {0, 3, 5, 10}}},
        {"13", {{0, 2, 4, 7, 9, 10}, {0, 4, 9, 10}}},
    };
    const auto found = table.find(suffix);
    return found == table.end() ? nullptr : &found->second;
}

unsigned chordToneMask(const std::set<int> &intervals, int root)
{
    unsigned mask = 0;
    for (int interval : intervals)
        mask |= 1u << ((root + interval) % 12);
    return mask;
}

// What is wrong with one built-in chord, or nothing.
QString faultOf(const Chord &chord, const Instrument &instrument)
{
    const QString &title = chord.title();
    if (Chord::canonicalNameForChordTitle(title) != title || !Chord::isValidChord(title))
        return QStringLiteral("the name is not filed under itself");
    const std::optional<ChordTarget> target = ChordCatalog::targetForName(title);
    if (!target)
        return QStringLiteral("no chord of the catalog has this name");
    const ChordTones *tones = chordTonesFor(target->formula->suffix);
    if (!tones)
        return QStringLiteral("a quality the chord-tone table does not know");
    const unsigned slashBass = target->bass == ChordTarget::NoBass ? 0u : 1u << target->bass;
    const unsigned allowed = chordToneMask(tones->allowed, target->root) | slashBass;
    const unsigned required = chordToneMask(tones->required, target->root) | slashBass;
    const unsigned sounded = toneMask(chord.baseTones(instrument));
    if (sounded & ~allowed)
        return QStringLiteral("sounds a tone outside the chord");
    if ((sounded & required) != required)
        return QStringLiteral("misses a tone the chord needs");
    const int bass = target->lowestTone(PlayingStyle::keepsRootInBass(instrument));
    const QList<Note> notes = chord.notes(instrument);
    if (bass != ChordTarget::NoBass && ((notes.front().noteValue() % 12) + 12) % 12 != bass)
        return QStringLiteral("the wrong note is lowest");
    if (instrument.isKeyboard())
        return QString();
    const Frets frets = fretsOf(chord, instrument);
    if (!Playability::withinReach(Playability::handShape(frets)))
        return QStringLiteral("needs more than four fingers or too wide a stretch");
    if (Playability::innerMutedStrings(frets) > (instrument.numstrings() >= 6 ? 1 : 0))
        return QStringLiteral("mutes strings between sounded ones");
    return QString();
}

} // namespace

TEST(ChordDatabases, ShipOneDatabasePerInstrumentOfTheTable)
{
    const Instruments instruments;
    QStringList expected;
    for (const Instrument &instrument : ChordDatabaseBuilder::instruments())
        expected.append(instrument.title());
    std::sort(expected.begin(), expected.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(instruments.titles(), expected);
}

TEST(ChordDatabases, AreWhatTheGeneratorWrites)
{
    for (const Instrument &instrument : ChordDatabaseBuilder::instruments()) {
        const ChordDatabaseBuilder builder(instrument);
        QFile shipped(QStringLiteral(":/chords/%1.pdb").arg(instrument.title()));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << qPrintable(instrument.title());
        EXPECT_TRUE(shipped.readAll() == builder.pdb())
            << qPrintable(instrument.title()) << ": regenerate with cmake --build build --target chorddb_update";
        QFile dump(QStringLiteral(CHORDDB_DUMPS "/%1.txt").arg(instrument.title()));
        ASSERT_TRUE(dump.open(QIODevice::ReadOnly)) << qPrintable(instrument.title());
        EXPECT_TRUE(QString::fromUtf8(dump.readAll()) == builder.dump())
            << qPrintable(instrument.title()) << ": regenerate with cmake --build build --target chorddb_update";
    }
}

TEST(ChordDatabases, EveryFingeringSoundsItsChordWithinOneHand)
{
    Instruments instruments;
    for (int i = 0; i < instruments.count(); ++i) {
        Instrument &instrument = instruments.at(i);
        QList<PalmRecord> records;
        ASSERT_TRUE(ChordDatabaseFile::loadPdbFromPath(instrument.chorddbpath(), records));
        for (const PalmRecord &record : records)
            EXPECT_TRUE(record.data.front() != char(0xCE) && record.data.front() != char(0xFE))
                << qPrintable(instrument.title()) << ": a record the library skips";

        LoadedLibrary library(instrument);
        const QList<Chord> chords = library.chords().allChords();
        EXPECT_EQ(chords.size(), records.size()) << qPrintable(instrument.title());
        QStringList faults;
        for (const Chord &chord : chords)
            if (const QString fault = faultOf(chord, instrument); !fault.isEmpty())
                faults.append(chord.description(instrument) + QStringLiteral(": ") + fault);
        EXPECT_TRUE(faults.isEmpty()) << qPrintable(instrument.title()) << ":\n"
                                      << qPrintable(faults.mid(0, 20).join(u'\n'));
    }
}

// Every root and quality of the vocabulary, and every slash chord, is there, unless the instrument cannot
// play it at all; those gaps are listed with their reasons.
TEST(ChordDatabases, HoldEveryCatalogChordTheInstrumentCanPlay)
{
    Instruments instruments;
    for (int i = 0; i < instruments.count(); ++i) {
        Instrument &instrument = instruments.at(i);
        LoadedLibrary library(instrument);
        const FretSearch search(PlayingStyle::fretboardFor(instrument));
        QMap<QString, QStringList> gapsByReason;
        for (const CatalogChord &entry : ChordCatalog::chords()) {
            const QList<Chord> found = library.chords().chordsForTitle(entry.name);
            for (const QString &alias : entry.aliases)
                EXPECT_EQ(stringsOf(library.chords().chordsForTitle(alias)), stringsOf(found))
                    << qPrintable(alias) << " on " << qPrintable(instrument.title());
            if (!found.isEmpty())
                continue;
            const std::string reason = instrument.isKeyboard() ? std::string() : search.whyUnplayable(entry.target);
            EXPECT_FALSE(reason.empty()) << qPrintable(entry.name) << " is playable on "
                                         << qPrintable(instrument.title()) << " but missing";
            gapsByReason[QString::fromStdString(reason)].append(entry.name);
        }
        for (auto gaps = gapsByReason.cbegin(); gaps != gapsByReason.cend(); ++gaps)
            std::cout << qPrintable(instrument.title()) << " cannot play " << gaps->size() << " chords, "
                      << qPrintable(gaps.key()) << ": " << qPrintable(gaps->join(u' ')) << '\n';
    }
}

TEST(ChordDatabases, FindChordsAsSongsSpellThem)
{
    Instrument guitar = Instrument::fromPath(QStringLiteral(":/chords/Guitar.pdb"));
    LoadedLibrary library(guitar);
    struct Case
    {
        const char *written;
        const char *filedAs;
    };
    const Case cases[] = {
        {"Db7", "C#7"},       {"CM7", "Cmaj7"},     {"Gb/Bb", "F#/Bb"}, {"D#m", "Ebm"},    {"H7", "B7"},
        {"(Am)", "Am"},       {"Cmin", "Cm"},       {"Ami7", "Am7"},    {"Gsus", "Gsus4"}, {"E7sus", "E7sus4"},
        {"Bbo7", "Bbdim7"},   {"F#m7-5", "F#m7b5"}, {"A#+", "Bbaug"},   {"C69", "C6/9"},   {"Emmaj7", "Em(maj7)"},
        {"G(add9)", "Gadd9"}, {"Am/G", "Am/G"},     {"C/B", "C/B"},     {"D/F#", "D/F#"},
    };
    for (const Case &c : cases) {
        const QList<Chord> written = library.chords().chordsForTitle(QString::fromLatin1(c.written));
        const QList<Chord> filed = library.chords().chordsForTitle(QString::fromLatin1(c.filedAs));
        ASSERT_FALSE(written.isEmpty()) << c.written;
        ASSERT_FALSE(filed.isEmpty()) << c.filedAs;
        EXPECT_EQ(written.front().strings(), filed.front().strings()) << c.written;
    }
}

namespace {

// A grip as chord charts write it, lowest string first: one character per string, "x" muted.
Chord::Strings gripOf(const char *chart)
{
    Chord::Strings strings;
    strings.fill(Chord::muted);
    for (int string = 0; chart[string] != '\0'; ++string)
        strings[string] = chart[string] == 'x' ? Chord::muted : chart[string] - '0';
    return strings;
}

// The first grip the library shows for each chord must be one of the charts given ("|" between two shapes
// players use equally often).
void expectFirstGrips(const char *instrumentTitle, const std::vector<std::pair<const char *, const char *>> &cases)
{
    Instrument instrument = Instrument::fromPath(QStringLiteral(":/chords/%1.pdb").arg(QLatin1String(instrumentTitle)));
    LoadedLibrary library(instrument);
    for (const auto &[name, charts] : cases) {
        const QList<Chord> chords = library.chords().chordsForTitle(QString::fromLatin1(name));
        ASSERT_FALSE(chords.isEmpty()) << name;
        QList<Chord::Strings> expected;
        for (const QString &chart : QString::fromLatin1(charts).split(u'|'))
            expected.append(gripOf(chart.toLatin1().constData()));
        EXPECT_TRUE(expected.contains(chords.front().strings()))
            << instrumentTitle << " " << name << ": " << qPrintable(chords.front().description(instrument))
            << " comes first, a player expects " << charts;
    }
}

} // namespace

// The open shapes where players use them, else the E- and A-shape barres, for every root.
TEST(ChordDatabases, ListTheGripsEveryGuitaristKnowsFirst)
{
    expectFirstGrips("Guitar", {
                                   {"C", "x32010"},
                                   {"C#", "x46664"},
                                   {"D", "xx0232"},
                                   {"Eb", "x68886|xx1343"},
                                   {"E", "022100"},
                                   {"F", "133211"},
                                   {"F#", "244322"},
                                   {"G", "320003|320033"},
                                   {"Ab", "466544"},
                                   {"A", "x02220"},
                                   {"Bb", "x13331"},
                                   {"B", "x24442"},
                                   {"Cm", "x35543"},
                                   {"C#m", "x46654"},
                                   {"Dm", "xx0231"},
                                   {"Ebm", "x68876|xx1342"},
                                   {"Em", "022000"},
                                   {"Fm", "133111"},
                                   {"F#m", "244222"},
                                   {"Gm", "355333"},
                                   {"Abm", "466444"},
                                   {"Am", "x02210"},
                                   {"Bbm", "x13321"},
                                   {"Bm", "x24432"},
                                   {"C7", "x32310"},
                                   {"C#7", "x46464"},
                                   {"D7", "xx0212"},
                                   {"Eb7", "x68686|xx1323"},
                                   {"E7", "020100|022130"},
                                   {"F7", "131211"},
                                   {"F#7", "242322"},
                                   {"G7", "320001"},
                                   {"Ab7", "464544"},
                                   {"A7", "x02020"},
                                   {"Bb7", "x13131"},
                                   {"B7", "x21202|x24242"},
                                   {"Cm7", "x35343"},
                                   {"C#m7", "x46454"},
                                   {"Dm7", "xx0211"},
                                   {"Ebm7", "x68676|xx1322"},
                                   {"Em7", "020000|022030"},
                                   {"Fm7", "131111"},
                                   {"F#m7", "242222"},
                                   {"Gm7", "353333"},
                                   {"Abm7", "464444"},
                                   {"Am7", "x02010"},
                                   {"Bbm7", "x13121"},
                                   {"Bm7", "x24232|x20202"},
                                   {"Cmaj7", "x32000"},
                                   {"C#maj7", "x46564"},
                                   {"Dmaj7", "xx0222"},
                                   {"Ebmaj7", "x68786|xx1333"},
                                   {"Emaj7", "021100"},
                                   {"Fmaj7", "xx3210|1x221x|132211"},
                                   {"F#maj7", "243322|2x332x"},
                                   {"Gmaj7", "320002|3x443x"},
                                   {"Abmaj7", "465544|4x554x"},
                                   {"Amaj7", "x02120"},
                                   {"Bbmaj7", "x13231"},
                                   {"Bmaj7", "x24342"},
                                   {"Csus4", "x33011"},
                                   {"C#sus4", "x46674"},
                                   {"Dsus4", "xx0233"},
                                   {"Ebsus4", "x68896|xx1344"},
                                   {"Esus4", "022200"},
                                   {"Fsus4", "133311"},
                                   {"F#sus4", "244422"},
                                   {"Gsus4", "330013|330033|3x0013|355533"},
                                   {"Absus4", "466644"},
                                   {"Asus4", "x02230"},
                                   {"Bbsus4", "x13341"},
                                   {"Bsus4", "x24452"},
                               });
}

// Ukulele and mandolin players have their own first shapes, found by the same rules.
TEST(ChordDatabases, ListTheFirstPositionsOfTheSmallInstruments)
{
    expectFirstGrips("Ukulele_C", {
                                      {"C", "0003"},
                                      {"G", "0232"},
                                      {"F", "2010"},
                                      {"Am", "2000"},
                                      {"D", "2220"},
                                      {"Dm", "2210"},
                                      {"A", "2100"},
                                      {"Em", "0432"},
                                      {"G7", "0212"},
                                      {"C7", "0001"},
                                      {"A7", "0100"},
                                      {"Bb", "3211"},
                                      {"Bm", "4222"},
                                      {"E7", "1202"},
                                      {"Fm", "1013"},
                                      {"D7", "2223|2020"},
                                  });
    expectFirstGrips("Mandolin", {{"G", "0023"}, {"C", "0230"}, {"D", "2002"}, {"Em", "0220"}, {"A", "2240"}});
}

TEST(ChordDatabases, ListKeyboardChordsInRootPositionFirst)
{
    Instrument piano = Instrument::fromPath(QStringLiteral(":/chords/Piano.pdb"));
    LoadedLibrary keyboard(piano);
    constexpr int x = Chord::muted;
    EXPECT_EQ(keyboard.chords().chordsForTitle(QStringLiteral("C")).front().strings(),
              (Chord::Strings{0, 4, 7, x, x, x}));
}
