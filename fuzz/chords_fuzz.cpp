// Chord names and chord definitions typed by users and found in song files: every name rule must cope with
// any text, a definition must read back through the form it is written in, and a tuning line through its
// description.
#include "chord.h"
#include "fuzzcheck.h"
#include "fuzzsetup.h"
#include "instruments.h"

#include <algorithm>

namespace {

// A few instruments whose strings differ: six, four, the dulcimer's diatonic frets and a keyboard.
QList<const Instrument *> sampleInstruments()
{
    static Instruments instruments;
    QList<const Instrument *> sample;
    for (int i = 0; i < instruments.count(); ++i)
        if (QStringList{"Guitar", "Mandolin", "Mountain_Dulcimer", "Piano"}.contains(instruments.at(i).title()))
            sample.append(&instruments.at(i));
    return sample;
}

void applyNameRules(const QString &name)
{
    Chord::isValidChord(name);
    Chord::canonicalNameForChordTitle(name);
    for (qint64 step = 1; step <= 11; ++step)
        for (const QChar favor : {QChar(), QChar(u'#'), QChar(u'b')})
            Chord::transpose(name, step, favor);
    Chord::latinNameForChordTitle(name);
    Chord::germanNameForChordTitle(name);
    Chord::nashvilleNumberForName(name, QStringLiteral("G"));
    Chord::nameForNashvilleNumber(name, QStringLiteral("Eb"));
    Chord::chordCompare(name, QStringLiteral("C#m7"));
}

// The definition form writes the strings the instrument has; those, and the title, read back unchanged.
void checkDefinitionRoundTrip(const QString &line, const Instrument &instrument)
{
    const Chord chord = Chord::fromDefinition(line);
    const auto isBlank = [](QChar c) { return c.isSpace(); };
    if (!chord.valid() || std::any_of(chord.title().begin(), chord.title().end(), isBlank))
        return; // a title with blanks cannot be carried by the definition form
    const Chord reread = Chord::fromDefinition(chord.definition(instrument));
    FUZZ_CHECK(reread.title() == chord.title());
    for (int string = 0; string < qMin(instrument.numstrings(), Instrument::maxStrings); ++string)
        FUZZ_CHECK(reread.strings()[string] == chord.strings()[string]);
}

void checkTuningRoundTrip(const QString &line, const Instrument &original)
{
    Instrument instrument = original;
    if (!instrument.loadTuning(line))
        return;
    const Instrument::Tuning tuning = instrument.deltaTuning();
    FUZZ_CHECK(instrument.loadTuning(QStringLiteral("# ") + instrument.tuningDescription()));
    FUZZ_CHECK(instrument.deltaTuning() == tuning);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    applyNameRules(text);
    static const QList<const Instrument *> instruments = sampleInstruments();
    for (const Instrument *instrument : instruments) {
        checkDefinitionRoundTrip(text, *instrument);
        instrument->parseTuning(text);
        checkTuningRoundTrip(text, *instrument);
    }
    return 0;
}
