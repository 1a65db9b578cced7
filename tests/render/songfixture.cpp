// A song view over a song made from text, with DejaVu fonts.
#include "songfixture.h"

#include "chorddatabasefixture.h"
#include "textmetrics.h"

#include <QSignalSpy>

namespace {

void setFont(FontPrefs &font, const QString &family, double size, bool bold = false)
{
    font.setName(family);
    font.setSize(size);
    font.setBold(bold);
}

} // namespace

SongFixture::SongFixture()
{
    setFont(*prefs.textfontprefs(), QStringLiteral("DejaVu Sans"), 12);
    setFont(*prefs.chordfontprefs(), QStringLiteral("DejaVu Sans"), 10, true);
    setFont(*prefs.commentfontprefs(), QStringLiteral("DejaVu Sans"), 10);
    setFont(*prefs.tabfontprefs(), QStringLiteral("DejaVu Sans Mono"), 10);
    // Wider than the text font, so that a word measured in the wrong one shows.
    setFont(*prefs.highlightfontprefs(), QStringLiteral("DejaVu Serif"), 16);
    context.prefsObject = &prefs;
    view.setDelegate(this);
}

void SongFixture::layOut(const QString &songText, float width)
{
    text = songText;
    song = std::make_shared<Song>();
    song->setText(text);
    view.calcLineInfosForText(text, width);
}

QString SongFixture::textOf(const LineInfo &line) const
{
    return text.mid(line.range.location, line.range.length);
}

qreal SongFixture::textHeight() const
{
    return TextMetrics(view.textfont()).height();
}

qreal SongFixture::chordRowHeight() const
{
    const TextMetrics chord(view.chordfont());
    return chord.capHeight() + chord.descent();
}

void SongFixture::useChordLibrary()
{
    constexpr int x = Chord::muted;
    guitar = Instrument::fromPath(writeChordDatabase(chordFolder.path(), QStringLiteral("Guitar"),
                                                     {
                                                         {"A", {x, 0, 2, 2, 2, 0}},
                                                         {"Am", {x, 0, 2, 2, 1, 0}},
                                                         {"Abm", {4, 6, 6, 4, 4, 4}},
                                                         {"B/Eb", {x, x, 1, 4, 4, 2}},
                                                         {"C", {x, 3, 2, 0, 1, 0}},
                                                         {"D", {x, x, 0, 2, 3, 2}},
                                                         {"E", {0, 2, 2, 1, 0, 0}},
                                                         {"G", {3, 2, 0, 0, 0, 3}},
                                                     }));
    library = std::make_unique<Chords>(guitar, guitar.definedChordsPath(chordFolder.path()));
    QSignalSpy ready(library.get(), &Chords::ready);
    if (!library->isReady()) {
        ASSERT_TRUE(ready.wait(10000));
    }
    context.chordsObject = library.get();
}
