// The shipped chord databases, read as the application reads them: through the instrument list, the
// chord database reader and the chord library.
#include "chordcatalog.h"
#include "chorddatabasebuilder.h"
#include "chorddatabasefile.h"
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

// What is wrong with one built-in chord, or nothing.
QString faultOf(const Chord &chord, const Instrument &instrument)
{
    const QString &title = chord.title();
    if (Chord::canonicalNameForChordTitle(title) != title || !Chord::isValidChord(title))
        return QStringLiteral("the name is not filed under itself");
    const std::optional<ChordTarget> target = ChordCatalog::targetForName(title);
    if (!target)
        return QStringLiteral("no chord of the catalog has this name");
    const unsigned sounded = toneMask(chord.baseTones(instrument));
    if (sounded & ~target->allowedTones())
        return QStringLiteral("sounds a tone outside the chord");
    if ((sounded & target->requiredTones()) != target->requiredTones())
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

TEST(ChordDatabases, ListTheGripsEveryGuitaristKnowsFirst)
{
    Instrument guitar = Instrument::fromPath(QStringLiteral(":/chords/Guitar.pdb"));
    LoadedLibrary library(guitar);
    constexpr int x = Chord::muted;
    struct Case
    {
        const char *name;
        Chord::Strings first;
    };
    const Case cases[] = {
        {"C", {x, 3, 2, 0, 1, 0}},  {"G", {3, 2, 0, 0, 0, 3}}, {"D", {x, x, 0, 2, 3, 2}},
        {"Am", {x, 0, 2, 2, 1, 0}}, {"E", {0, 2, 2, 1, 0, 0}}, {"F", {1, 3, 3, 2, 1, 1}},
    };
    for (const Case &c : cases) {
        const QList<Chord> chords = library.chords().chordsForTitle(QString::fromLatin1(c.name));
        ASSERT_FALSE(chords.isEmpty()) << c.name;
        EXPECT_EQ(chords.front().strings(), c.first) << c.name;
    }

    Instrument piano = Instrument::fromPath(QStringLiteral(":/chords/Piano.pdb"));
    LoadedLibrary keyboard(piano);
    EXPECT_EQ(keyboard.chords().chordsForTitle(QStringLiteral("C")).front().strings(),
              (Chord::Strings{0, 4, 7, x, x, x}))
        << "root position first";
}
