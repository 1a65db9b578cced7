// Exporting a song as chord-over-lyrics text, as plain text and as rich text (RTF).
#include "song.h"

#include "appcontext.h"
#include "attributedtext.h"
#include "linepieces.h"
#include "log.h"
#include "prefs.h"
#include "rtfwriter.h"
#include "textfile.h"
#include "titledirectives.h"

#include <cmath>

namespace {

// The shared settings; their defaults while none exist.
const Prefs &exportPrefs()
{
    if (const Prefs *prefs = AppContext::instance()->prefs())
        return *prefs;
    static const Prefs defaults;
    return defaults;
}

bool writeExport(const QString &path, const QByteArray &bytes, const QString &kind)
{
    QString error;
    if (TextFile::writeBytes(path, bytes, &error))
        return true;
    Log::write(QStringLiteral("Could not export %1 to %2: %3").arg(kind, path, error));
    return false;
}

QFont textFont(float scale)
{
    return exportPrefs().textfontprefs()->fontWithScale(scale);
}

// The lyric row and the chord row are padded with non-breaking spaces, which no reader drops or breaks at.
constexpr QChar kPad = QChar(0x00a0);

enum class Padded { None, ChordRow, LyricRow };

// Appends pads without attributes to the narrower row until it is at least as wide as the other. The number
// of pads is computed, so a pad that measures nothing (or a width that is no number) cannot loop forever.
Padded padNarrowerRow(AttributedText &chordRow, AttributedText &lyricRow)
{
    const qreal chordWidth = Song::widthOfWord(&chordRow);
    const qreal lyricWidth = Song::widthOfWord(&lyricRow);
    AttributedText pad;
    pad.appendPlain(QString(kPad));
    const qreal padWidth = Song::widthOfWord(&pad);
    const qreal missing = std::abs(chordWidth - lyricWidth);
    if (missing == 0 || !(padWidth > 0) || !std::isfinite(missing) || !std::isfinite(padWidth))
        return Padded::None;
    const bool chordRowNarrower = chordWidth < lyricWidth;
    (chordRowNarrower ? chordRow : lyricRow).appendPlain(QString(qsizetype(std::ceil(missing / padWidth)), kPad));
    return chordRowNarrower ? Padded::ChordRow : Padded::LyricRow;
}

// The whole song as rich text: titles centred, lyrics lines with their chord rows, comment lines left out.
AttributedText formattedSong(const Song &song)
{
    const QFont lyricsFont = textFont(1.0f);
    AttributedText text;
    TextRange range;
    while (const std::optional<QString> line = Song::getNextLineForText(song.text(), range)) {
        if (line->startsWith(u'#'))
            continue;
        const QString title = Song::valueInText(*line, TitleDirectives::title());
        const QString subtitle = Song::valueInText(*line, TitleDirectives::subtitle());
        if (!title.isEmpty()) {
            text.append(title + u'\n', textFont(1.5f), QColor(), true);
        } else if (!subtitle.isEmpty()) {
            text.append(subtitle + u'\n', textFont(1.2f), QColor(), true);
        } else {
            const QString stripped = Song::stripControlSequencesFromLine(*line);
            const std::optional<LinePieces> pieces = LinePieces::fromLine(stripped);
            if (!pieces)
                text.append(stripped + u'\n', lyricsFont);
            else if (exportPrefs().showlyricsonly())
                text.append(pieces->lyrics.join(u' ') + u'\n', lyricsFont);
            else
                text.append(song.formattedTextForChordLine(pieces->chords, pieces->lyrics));
        }
    }
    return text;
}

} // namespace

bool Song::exportTabtoURL(const QString &path) const
{
    QString tab;
    TextRange range;
    while (const std::optional<QString> line = getNextLineForText(heldText(), range)) {
        if (line->startsWith(u'#'))
            continue;
        QString lyrics = stripControlSequencesFromLine(*line);
        QString chords;
        if (extractChordLine(chords, lyrics))
            tab += chords + u'\n';
        tab += lyrics + u'\n';
    }
    return writeExport(path, tab.toUtf8(), QStringLiteral("tab"));
}

bool Song::exportTXTtoURL(const QString &path) const
{
    return writeExport(path, plainText().toUtf8(), QStringLiteral("txt"));
}

bool Song::exportRTFtoURL(const QString &path) const
{
    return writeExport(path, RtfWriter::rtfFromAttributedText(formattedSong(*this)), QStringLiteral("rtf"));
}

AttributedText Song::formattedTextForChordLine(const QStringList &chords, const QStringList &lyrics) const
{
    const Prefs &prefs = exportPrefs();
    const QFont lyricsFont = prefs.textfontprefs()->fontWithScale(1.0f);
    const QFont chordFont = prefs.chordfontprefs()->fontWithScale(1.0f);
    const QColor chordColor = prefs.chordfontprefs()->color();
    AttributedText chordRow;
    AttributedText lyricRow;
    // Pairs only: a caller's lists of different lengths never read past the shorter one.
    const qsizetype pairs = std::min(chords.size(), lyrics.size());
    bool chordReachesRowEnd = false;
    for (qsizetype i = 0; i < pairs; ++i) {
        // A chord at least as wide as its syllable would touch the next chord and read as one with it.
        if (chordReachesRowEnd) {
            chordRow.appendPlain(QString(kPad));
            padNarrowerRow(chordRow, lyricRow);
        }
        chordRow.append(chords[i], chordFont, chordColor);
        lyricRow.append(QString(lyrics[i]).replace(u' ', kPad), lyricsFont);
        chordReachesRowEnd = padNarrowerRow(chordRow, lyricRow) != Padded::ChordRow && !chords[i].isEmpty();
    }
    AttributedText text;
    text.append(chordRow);
    text.appendPlain(QStringLiteral("\n"));
    text.append(lyricRow);
    text.appendPlain(QStringLiteral("\n"));
    return text;
}

qreal Song::widthOfWord(const AttributedText *text)
{
    return text ? text->width() : 0;
}
