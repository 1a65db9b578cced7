// The chords of lyric lines with their columns, and the chord clipboard text.
#include "chordpositions.h"

#include "textboundary.h"
#include "textpattern.h"

#include <algorithm>

namespace {

QString bracketed(const QString &chord)
{
    return QStringLiteral("[%1]").arg(chord);
}

// The range limited to the text, so a stale selection never reads or replaces beyond it.
TextRange withinText(TextRange range, const QString &text)
{
    const qsizetype location = std::clamp<qsizetype>(range.location, 0, text.size());
    return {location, std::clamp<qsizetype>(range.length, 0, text.size() - location)};
}

} // namespace

ChordPositionList ChordPositions::chordsWithPositionsForLine(const QString &line)
{
    ChordPositionList chords;
    qsizetype removed = 0;
    qsizetype open = line.indexOf(u'[');
    while (open >= 0) {
        const qsizetype close = line.indexOf(u']', open + 1);
        if (close < 0)
            break; // a "[" without "]" is text
        const QString name = line.mid(open + 1, close - open - 1);
        chords.append({name, open - removed});
        removed += name.size() + 2;
        open = line.indexOf(u'[', close + 1);
    }
    return chords;
}

QList<ChordPositionList> ChordPositions::chordsWithPositionsForLines(const QStringList &lines)
{
    QList<ChordPositionList> lists;
    lists.reserve(lines.size());
    for (const QString &line : lines)
        lists.append(chordsWithPositionsForLine(line));
    return lists;
}

QList<ChordPositionList> ChordPositions::chordsWithPositionsForRange(TextRange range, const QString &text)
{
    return chordsWithPositionsForLines(linesForRange(range, text));
}

QString ChordPositions::insertChordsWithPositions(const ChordPositionList &chords, const QString &line)
{
    QString result = line;
    qsizetype offset = 0;
    for (const ChordPosition &chord : chords) {
        const QString name = bracketed(chord.chord);
        const qsizetype index = chord.pos + offset;
        if (index < result.size()) {
            result.insert(TextBoundary::atCharacter(result, index), name);
        } else {
            result += QString(index - result.size(), u' ');
            result += name;
        }
        offset += name.size();
    }
    return result;
}

QStringList ChordPositions::insertChordsWithPositions(const QList<ChordPositionList> &lists, const QStringList &lines)
{
    QStringList result;
    for (qsizetype i = 0; i < lists.size(); ++i)
        result.append(insertChordsWithPositions(lists[i], i < lines.size() ? lines[i] : QString()));
    // A selection longer than the copied chords keeps its further lines.
    for (qsizetype i = lists.size(); i < lines.size(); ++i)
        result.append(lines[i]);
    return result;
}

QString ChordPositions::chordsWithSpacesFor(const QList<ChordPositionList> &lists)
{
    QStringList lines;
    for (const ChordPositionList &chords : lists) {
        QString line;
        qsizetype offset = 0;
        for (const ChordPosition &chord : chords) {
            const qsizetype target = chord.pos + offset;
            if (line.size() < target)
                line += QString(target - line.size(), u' ');
            const QString name = bracketed(chord.chord);
            line += name;
            offset += name.size();
        }
        lines.append(line);
    }
    return lines.join(u'\n');
}

QStringList ChordPositions::linesForRange(TextRange range, const QString &text)
{
    const TextRange inText = withinText(range, text);
    return text.mid(inText.location, inText.length).split(u'\n');
}

std::optional<QString> ChordPositions::applyChordsWithPositions(const QList<ChordPositionList> &lists, TextRange range,
                                                                const QString &text)
{
    const TextRange inText = withinText(range, text);
    if (inText.length == 0)
        return std::nullopt;
    const QStringList lines = insertChordsWithPositions(lists, linesForRange(inText, text));
    return QString(text).replace(inText.location, inText.length, lines.join(u'\n'));
}

bool ChordPositions::hasChordsInRange(TextRange range, const QString &text)
{
    for (const ChordPositionList &chords : chordsWithPositionsForRange(range, text))
        if (!chords.isEmpty())
            return true;
    return false;
}

QString ChordPositions::removeChordsFromText(const QString &text)
{
    // A chord never spans lines: a "[" whose "]" is on another line is text.
    static const QRegularExpression chord = TextPattern::make(QStringLiteral(R"(\[.*?\])"));
    return QString(text).remove(chord);
}
