// Lyric pieces with their chords, always in pairs.
#include "linepieces.h"

#include "song.h"

namespace {

// Where the chord that is still open at the end of the line starts; -1 when every chord is closed.
// Follows the same walk as the line helper: a "[" inside a chord and a "]" outside one are plain text.
qsizetype unclosedChordStart(const QString &line)
{
    qsizetype openedAt = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'[' && openedAt < 0)
            openedAt = i;
        else if (line[i] == u']' && openedAt >= 0)
            openedAt = -1;
    }
    return openedAt;
}

} // namespace

std::optional<LinePieces> LinePieces::fromLine(const QString &line)
{
    const qsizetype unclosed = unclosedChordStart(line);
    const QString paired = unclosed < 0 ? line : line.left(unclosed);
    LinePieces pieces;
    if (!Song::breakUpLine(paired, pieces.lyrics, pieces.chords))
        return std::nullopt;
    if (unclosed >= 0)
        pieces.lyrics.last() += line.mid(unclosed);
    return pieces;
}
