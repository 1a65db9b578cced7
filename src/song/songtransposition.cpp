// Finding the chords of a song text and rewriting them: transposition and Nashville numbers.
#include "songtransposition.h"

#include "chord.h"
#include "textchars.h"
#include "textpattern.h"

#include <algorithm>
#include <functional>

namespace {

using Rewrite = std::function<QString(const QString &)>;

bool isChordStart(QChar c)
{
    return c >= u'A' && c <= u'H';
}

bool isNNSStart(QChar c)
{
    return isChordStart(c) || c.isDigit() || c == u'(' || c == u')';
}

// A cell ends at a blank, a beat mark, a repeat mark, a colon or a bar line; never beyond its line.
bool endsCell(QChar c)
{
    return c.isSpace() || c == u'%' || c == u'.' || c == u':' || c == u'|';
}

// One pass over a grid body. Per line: nothing before the first bar line is a cell, nor anything behind the
// last bar line of that line.
QList<TextRange> gridCells(const QString &grid, bool (*startsCell)(QChar))
{
    QList<TextRange> cells;
    bool beforeFirstBar = true;
    bool afterLastBar = false;
    qsizetype lineEnd = -1;
    // The first "|" behind the last place asked about; -1 once none follows. Kept so that a long grid
    // without bar lines is read in one pass.
    qsizetype nextBar = -2;
    const auto nextBarAfter = [&](qsizetype at) {
        if (nextBar != -1 && nextBar <= at)
            nextBar = grid.indexOf(u'|', at + 1);
        return nextBar;
    };
    qsizetype i = 0;
    while (i < grid.size()) {
        const QChar c = grid[i];
        if (TextChars::isLineTerminator(c)) {
            beforeFirstBar = true;
            afterLastBar = false;
            lineEnd = -1;
            ++i;
            continue;
        }
        if (c == u'|' && beforeFirstBar) {
            beforeFirstBar = false;
            lineEnd = -1;
            for (qsizetype j = i + 1; j < grid.size() && lineEnd < 0; ++j)
                if (TextChars::isLineTerminator(grid[j]))
                    lineEnd = j;
        }
        if (!startsCell(c) || beforeFirstBar || afterLastBar) {
            const qsizetype bar = nextBarAfter(i);
            if (bar < 0 || (lineEnd >= 0 && bar > lineEnd))
                afterLastBar = true;
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < grid.size() && !endsCell(grid[end]))
            ++end;
        cells.append({i, end - i});
        afterLastBar = false;
        // The character that ended the cell is looked at like any other: a line end resets the line state.
        i = end;
    }
    return cells;
}

// Each cell replaced by its rewrite; later cells move by the change of length so far.
QString rewriteCells(QString grid, const QList<TextRange> &cells, const Rewrite &rewrite)
{
    qsizetype shift = 0;
    for (const TextRange &cell : cells) {
        const QString rewritten = rewrite(grid.mid(cell.location + shift, cell.length));
        grid.replace(cell.location + shift, cell.length, rewritten);
        shift += rewritten.size() - cell.length;
    }
    return grid;
}

// Rewrites every grid body with its cells, then every bracketed text ("[" to the next "]"), also in
// comment lines and directives. A "[" without a later "]" ends the bracket scan.
QString rewriteChords(QString text, QList<TextRange> (*cellsOf)(const QString &), const Rewrite &gridCell,
                      const Rewrite &bracketed)
{
    qsizetype shift = 0;
    for (const TextRange &grid : SongTransposition::gridRanges(text)) {
        const QString body = text.mid(grid.location + shift, grid.length);
        const QString rewritten = rewriteCells(body, cellsOf(body), gridCell);
        text.replace(grid.location + shift, grid.length, rewritten);
        shift += rewritten.size() - grid.length;
    }
    qsizetype open = text.indexOf(u'[');
    while (open >= 0) {
        const qsizetype close = text.indexOf(u']', open + 1);
        if (close < 0)
            break;
        const QString inner = text.mid(open + 1, close - open - 1);
        const QString rewritten = bracketed(inner);
        text.replace(open + 1, inner.size(), rewritten);
        open = text.indexOf(u'[', close + rewritten.size() - inner.size() + 1);
    }
    return text;
}

QString onlyValid(const QString &chord, const Rewrite &rewrite)
{
    return Chord::isValidChord(chord) ? rewrite(chord) : chord;
}

} // namespace

QList<TextRange> SongTransposition::gridRanges(const QString &text)
{
    // Any case, as the layout reads grid directives; a directive never spans lines.
    static const QRegularExpression starts[] = {
        TextPattern::make(QStringLiteral(R"(\{start_of_grid.*?\})"), QRegularExpression::CaseInsensitiveOption),
        TextPattern::make(QStringLiteral(R"(\{sog.*?\})"), QRegularExpression::CaseInsensitiveOption),
    };
    static const QRegularExpression anyDirective = TextPattern::make(QStringLiteral(R"(\{.*?\})"));
    QList<TextRange> ranges;
    for (const QRegularExpression &start : starts) {
        qsizetype from = 0;
        while (from <= text.size()) {
            const QRegularExpressionMatch opening = start.match(text, from);
            if (!opening.hasMatch())
                break;
            const qsizetype body = opening.capturedEnd();
            const QRegularExpressionMatch closing = anyDirective.match(text, body);
            if (!closing.hasMatch()) {
                // A grid left open runs to the end of the song, as the layout shows it.
                ranges.append({body, text.size() - body});
                break;
            }
            ranges.append({body, closing.capturedStart() - body});
            from = closing.capturedEnd();
        }
    }
    std::sort(ranges.begin(), ranges.end(),
              [](const TextRange &a, const TextRange &b) { return a.location < b.location; });
    return ranges;
}

QList<TextRange> SongTransposition::chordRangesInGrid(const QString &grid)
{
    return gridCells(grid, isChordStart);
}

QList<TextRange> SongTransposition::nnsRangesInGrid(const QString &grid)
{
    QList<TextRange> numbers;
    for (const TextRange &cell : gridCells(grid, isNNSStart))
        if (Chord::isNashvilleNumber(grid.mid(cell.location, cell.length)))
            numbers.append(cell);
    return numbers;
}

QString SongTransposition::transposeGrid(const QString &grid, qint64 step, QChar favor)
{
    return rewriteCells(grid, chordRangesInGrid(grid),
                        [&](const QString &chord) { return Chord::transpose(chord, step, favor); });
}

QChar SongTransposition::automaticFavor(const QString &key, qint64 step)
{
    const bool flat = Chord::isFlatTone(Chord::toneForChordTitle(key) + step % 12, Chord::isMinorKey(key));
    return flat ? QChar(u'b') : QChar(u'#');
}

QString SongTransposition::transposedChords(const QString &text, qint64 step, QChar favor)
{
    const Rewrite transpose = [&](const QString &chord) { return Chord::transpose(chord, step, favor); };
    // Grid cells are transposed without a validity test: a cell that is no chord comes back unchanged.
    return rewriteChords(text, chordRangesInGrid, transpose,
                         [&](const QString &chord) { return onlyValid(chord, transpose); });
}

bool SongTransposition::isNNS(const QString &text)
{
    for (const TextRange &grid : gridRanges(text))
        if (!nnsRangesInGrid(text.mid(grid.location, grid.length)).isEmpty())
            return true;
    qsizetype open = text.indexOf(u'[');
    while (open >= 0) {
        const qsizetype close = text.indexOf(u']', open + 1);
        if (close < 0)
            return false;
        if (Chord::isNashvilleNumber(text.mid(open + 1, close - open - 1)))
            return true;
        open = text.indexOf(u'[', close + 1);
    }
    return false;
}

QString SongTransposition::convertedToNNS(const QString &text, const QString &key)
{
    const Rewrite toNumber = [&](const QString &chord) {
        return onlyValid(chord, [&](const QString &valid) { return Chord::nashvilleNumberForName(valid, key); });
    };
    return rewriteChords(text, chordRangesInGrid, toNumber, toNumber);
}

QString SongTransposition::convertedFromNNS(const QString &text, const QString &key)
{
    const QChar favor = favorForNNSKey(key);
    const Rewrite toName = [&](const QString &number) {
        return Chord::isNashvilleNumber(number) ? Chord::nameForNashvilleNumber(number, key, favor) : number;
    };
    return rewriteChords(text, nnsRangesInGrid, toName, toName);
}

QChar SongTransposition::favorForNNSKey(const QString &key)
{
    if (key.size() > 1 && (key[1] == u'#' || key[1] == u'b'))
        return key[1];
    return automaticFavor(key, 0);
}

int SongTransposition::deltaForTransposeKey(const QString &songKey, const QString &newKey)
{
    if (songKey.isEmpty() || newKey.isEmpty())
        return 0;
    return Chord::toneForChordTitle(newKey) - Chord::toneForChordTitle(songKey);
}

std::optional<QString> SongTransposition::keyForTransposeDelta(const QString &key, qint64 step, QChar favor)
{
    if (key.isEmpty())
        return std::nullopt;
    if (favor.isNull())
        favor = automaticFavor(key, step);
    return Chord::transpose(key, step, favor);
}
