// Song files written by anyone: every reading of a song's text, the transposition and the conversions must
// cope with any text, and the editor's tokens must tile the text exactly.
#include "chordpositions.h"
#include "chordpro.h"
#include "fuzzcheck.h"
#include "fuzzsetup.h"
#include "song.h"
#include "songtextdata.h"
#include "songtransposition.h"
#include "textfile.h"

namespace {

void readSongValues(const QString &text)
{
    Song song;
    song.setText(text);
    song.refreshTitleSubtitle();
    song.key();
    song.capo();
    song.playingTime();
    song.tempo();
    song.pauses();
    song.metronomeTicksPerBar();
    song.zoomScale();
    song.tags();
    song.users();
    song.tuning();
    song.instrument();
    song.midiEventsToSend();
    song.midiIndex();
    song.checksum();
    song.plainText();
    song.gridRanges();
    song.isNNS();
    for (const qint64 step : {1, -5, 11})
        for (const QChar favor : {QChar(), QChar(u'#'), QChar(u'b')})
            song.transpose(step, favor);
}

void readStatics(const QString &text)
{
    Song::valueInText(text, QStringLiteral("title"));
    Song::valuesInText(text, QStringLiteral("comment"));
    Song::replaceValueInText(text, QStringLiteral("key"), QStringLiteral("Am"));
    const QString key = Song::valueInText(text, QStringLiteral("key"));
    SongTransposition::convertedToNNS(text, key);
    SongTransposition::convertedFromNNS(text, key);
    Song::convertedTabText(text);
    SongTextData::chordDefinition(text, QStringLiteral("Am"));
    SongTextData::textWithoutChordDefinition(text, QStringLiteral("Am"));
    SongTextData::textWithoutTag(text, QStringLiteral("live"));
    SongTextData::replacedUmlauts(text);

    const TextRange whole{0, text.size()};
    const auto chords = ChordPositions::chordsWithPositionsForRange(whole, text);
    ChordPositions::applyChordsWithPositions(chords, whole, ChordPositions::removeChordsFromText(text));
}

void checkTokensTileText(const QString &text)
{
    ChordPro chordPro(text);
    chordPro.tokenize();
    qsizetype next = 0;
    for (const ChordproToken &token : chordPro.tokens()) {
        FUZZ_CHECK(token.location() == next && token.length() > 0);
        next = token.location() + token.length();
    }
    FUZZ_CHECK(next == text.size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzSetup::bytesOf(data, size);
    const QString text = TextFile::decode(bytes, TextFile::LastResort::Latin1).value_or(QString());
    readSongValues(text);
    readStatics(text);
    checkTokensTileText(text);
    return 0;
}
