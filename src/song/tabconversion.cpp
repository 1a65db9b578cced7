// Tab text turned into the song text format.
#include "tabconversion.h"

#include "textboundary.h"
#include "textchars.h"

#include <QRegularExpression>

namespace {

constexpr qsizetype kTabColumns = 8;

std::optional<QString> lineAt(const QStringList &lines, qsizetype index)
{
    return index < lines.size() ? std::optional<QString>(lines[index]) : std::nullopt;
}

// One step of the conversion for the line before lines[next]: a "." line is a chord line whatever it holds,
// a "[Section]" line a comment, a chord line takes the next non-empty line as its lyric line. next moves
// behind the lines the step consumed.
QString convertedLine(const QStringList &lines, const QString &line, qsizetype &next, bool firstOfShortText)
{
    const std::optional<QString> nextLine = lineAt(lines, next);
    if (line.startsWith(u'.')) {
        if (nextLine)
            ++next;
        return TabConversion::condenseLine(line.mid(1), nextLine.value_or(QString()));
    }
    if (const std::optional<QString> comment = TabConversion::commentLine(line))
        return *comment;
    if (!TabConversion::isTabLine(line, nextLine) && !firstOfShortText)
        return line;
    qsizetype lyricIndex = next;
    if (nextLine && TextChars::trimmedBlanksAndTabs(*nextLine).isEmpty())
        ++lyricIndex; // the empty line between chords and lyrics goes
    const std::optional<QString> lyrics = lineAt(lines, lyricIndex);
    if (!lyrics && !firstOfShortText) {
        next = lines.size();
        return line;
    }
    next = lyricIndex + 1;
    return TabConversion::condenseLine(line, lyrics.value_or(QString()));
}

} // namespace

QString TabConversion::convertedTabText(const QStringList &lines)
{
    // In a text of one or two lines the first line is merged when it holds chords, even with no lyric
    // line or a blank one below it.
    const bool shortText = lines.size() < 3;
    QString out;
    qsizetype next = 0;
    bool first = true;
    while (next < lines.size()) {
        // The last line, reached on its own, keeps its missing line break.
        const bool lastOnItsOwn = !first && next == lines.size() - 1;
        const QString line = lines[next++];
        out += convertedLine(lines, line, next, first && shortText && isChordWordLine(line));
        if (!lastOnItsOwn)
            out += u'\n';
        first = false;
    }
    return out;
}

bool TabConversion::isChordWord(const QString &word)
{
    if (word.isEmpty() || word[0] < u'A' || word[0] > u'H')
        return false;
    static const QString marks = QStringLiteral("#()+-/");
    for (qsizetype i = 1; i < word.size(); ++i) {
        const QChar c = word[i];
        if (!c.isLetter() && !c.isDigit() && !marks.contains(c))
            return false;
    }
    return true;
}

std::optional<QString> TabConversion::commentLine(const QString &line)
{
    const QString trimmed = TextChars::trimmedBlanksAndTabs(line);
    if (trimmed.size() < 2 || !trimmed.startsWith(u'[') || !trimmed.endsWith(u']'))
        return std::nullopt;
    const QString inner = trimmed.mid(1, trimmed.size() - 2);
    // "[C]   [G]" is a line of chords, not a section name.
    if (inner.contains(u'[') || inner.contains(u']'))
        return std::nullopt;
    return QStringLiteral("{c:%1}").arg(inner);
}

bool TabConversion::isTabLine(const std::optional<QString> &line, const std::optional<QString> &next)
{
    if (!line || !next || !isChordWordLine(*line))
        return false;
    qsizetype spaces = 0;
    for (QChar c : *next)
        if (c.isSpace())
            ++spaces;
    return spaces <= next->size() - spaces;
}

bool TabConversion::isChordWordLine(const QString &line)
{
    static const QRegularExpression blanksAndTabs(QStringLiteral("[ \t]+"));
    const QStringList words = line.split(blanksAndTabs, Qt::SkipEmptyParts);
    if (words.isEmpty())
        return false;
    for (const QString &word : words)
        if (!isChordWord(word))
            return false;
    return true;
}

QString TabConversion::condenseLine(const QString &chords, const QString &lyrics)
{
    QString result = lyrics;
    qsizetype column = 0;
    qsizetype i = 0;
    while (i < chords.size()) {
        const QChar c = chords[i];
        if (c.isSpace()) {
            column += c == u'\t' ? kTabColumns : 1;
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < chords.size() && !chords[end].isSpace())
            ++end;
        const QString bracketed = u'[' + chords.mid(i, end - i) + u']';
        if (result.size() > column)
            result.insert(TextBoundary::atCharacter(result, column), bracketed);
        else
            result += (result.isEmpty() ? QString() : QStringLiteral(" ")) + bracketed;
        // The bracketed name lengthens the result by its length, while the name and the blank that ends it
        // advance the chord line by length - 1: later chords stay over their syllables.
        column += 2 * bracketed.size() - 1;
        i = end + 1;
    }
    return result;
}
