// A song view over a song made from text, with DejaVu fonts.
#include "songfixture.h"

#include "textmetrics.h"

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
