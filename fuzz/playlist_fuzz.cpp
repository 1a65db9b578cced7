// Playlist files, hand-edited or from other programs: any text reads as a playlist whose written form reads
// back to itself, and notes and escaped names survive their round trips.
#include "fuzzcheck.h"
#include "fuzzsetup.h"
#include "notesong.h"
#include "percentescape.h"
#include "playlist.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    // The first write may tidy what was read; from then on the written form is a fixed point.
    const QString written = PlayList::fromString(PlayList::fromString(text)->asString())->asString();
    FUZZ_CHECK(PlayList::fromString(written)->asString() == written);

    for (const QString &line : text.split(QLatin1Char('\n'))) {
        PlayList::extractKeyFromLine(line);
        const auto note = NoteSong::fromLineString(line);
        FUZZ_CHECK(NoteSong::fromLineString(note->asLine())->text() == note->text());
    }
    FUZZ_CHECK(PercentEscape::legacyUnescape(PercentEscape::legacyEscape(text)) == text);
    return 0;
}
