// The user chord file, hand-edited or damaged: any text reads into chords, and what the library would write
// back reads again to the same chords and tuning.
#include "chordloader.h"
#include "fuzzcheck.h"
#include "fuzzsetup.h"
#include "instruments.h"

namespace {

QString writtenAsUserChordFile(const ChordLoader::Result &result, const Instrument &instrument)
{
    QString text = instrument.tuningLine(result.tuning.value_or(Instrument::Tuning{}));
    for (const Chord &chord : result.table.editableChords())
        text += chord.definition(instrument) + u'\n';
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Instruments instruments;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const int index : {0, instruments.count() / 2}) {
        const Instrument &instrument = instruments.at(index);
        ChordLoader::Result first;
        ChordLoader::readUserChords(text, instrument, first);
        const QString written = writtenAsUserChordFile(first, instrument);
        ChordLoader::Result second;
        ChordLoader::readUserChords(written, instrument, second);
        FUZZ_CHECK(writtenAsUserChordFile(second, instrument) == written);
    }
    return 0;
}
