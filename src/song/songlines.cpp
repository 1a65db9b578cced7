// Taking one line of song text apart: without its directives, as a chord line over a lyric line, or as
// lyric pieces each with the chord before it. The tab title, the exports and the HTML export use these.
#include "song.h"

namespace {

bool holdsChords(const QString &line)
{
    return line.contains(u'[') && line.contains(u']');
}

void padTo(QString &line, qsizetype length, QChar pad)
{
    if (line.size() < length)
        line.append(QString(length - line.size(), pad));
}

} // namespace

QString Song::stripControlSequencesFromLine(const QString &line)
{
    if (line.startsWith(u'#'))
        return QString();
    QString result;
    QString name;
    bool insideBraces = false;
    bool behindColon = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'{' || c == u'}') {
            // Only a "{" outside and a "}" inside change the state; braces are never copied.
            if (c == u'{' && !insideBraces) {
                insideBraces = true;
                behindColon = false;
                name.clear();
            } else if (c == u'}' && insideBraces) {
                insideBraces = false;
            }
        } else if (!insideBraces) {
            result.append(c);
        } else if (behindColon) {
            // The value of a directive other than a comment is dropped.
        } else if (c == u':') {
            behindColon = true;
            if (i + 1 < line.size() && line[i + 1] == u' ')
                ++i;
            // A comment's text stays: copy on as if outside the braces, up to its "}".
            if (name == QLatin1String("c") || name == QLatin1String("comment"))
                insideBraces = false;
        } else {
            name.append(c);
        }
    }
    return result;
}

bool Song::extractChordLine(QString &chordLine, QString &line)
{
    if (!holdsChords(line))
        return false;
    chordLine.clear();
    QString lyrics;
    bool insideChord = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'[' && !insideChord) {
            if (i > 0)
                chordLine.append(u' ');
            padTo(chordLine, lyrics.size(), u' ');
            insideChord = true;
        } else if (c == u']' && insideChord) {
            insideChord = false;
            if (i + 1 < line.size() && line[i + 1] != u'[') {
                // A chord inside a word joins the syllables with "-" where the chord needs the room.
                const bool insideWord = !lyrics.isEmpty() && lyrics.back() != u' ' && line[i + 1] != u' ';
                const qsizetype chordStart = chordLine.lastIndexOf(u' ') + 1;
                padTo(lyrics, chordStart, insideWord ? u'-' : u' ');
            }
        } else {
            (insideChord ? chordLine : lyrics).append(c);
        }
    }
    line = lyrics;
    return true;
}

bool Song::breakUpLine(const QString &line, QStringList &lyrics, QStringList &chords)
{
    if (!holdsChords(line))
        return false;
    QString piece;
    QString chord;
    bool insideChord = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'[' && !insideChord) {
            if (i > 0) {
                lyrics.append(piece);
                // The piece before the first chord has no chord.
                if (chords.isEmpty())
                    chords.append(QString());
            }
            piece.clear();
            insideChord = true;
        } else if (c == u']' && insideChord) {
            chords.append(chord);
            chord.clear();
            insideChord = false;
        } else {
            (insideChord ? chord : piece).append(c);
        }
    }
    lyrics.append(piece);
    return true;
}
