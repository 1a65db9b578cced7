// Which way a song's text runs.
#include "textdirection.h"

#include "chord.h"

namespace {

struct LetterCount
{
    qsizetype rightToLeft = 0;
    qsizetype leftToRight = 0;

    void add(QStringView word)
    {
        if (word.isEmpty() || Chord::isValidChord(word.toString()))
            return;
        for (const QChar c : word) {
            switch (c.direction()) {
            case QChar::DirR:
            case QChar::DirAL:
                ++rightToLeft;
                break;
            case QChar::DirL:
                ++leftToRight;
                break;
            default:
                break;
            }
        }
    }
};

// Counts the letters of one line's words outside chords and directives.
void countLine(QStringView line, LetterCount &count)
{
    if (line.startsWith(u'#'))
        return;
    QChar closing; // the bracket that ends the chord or directive being skipped
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const QChar c = i < line.size() ? line[i] : QChar(u' ');
        if (!closing.isNull()) {
            if (c == closing) {
                closing = QChar();
                wordStart = i + 1;
            }
            continue;
        }
        if (c == u'[' || c == u'{' || c.isSpace()) {
            count.add(line.mid(wordStart, i - wordStart));
            wordStart = i + 1;
            if (c == u'[')
                closing = u']';
            else if (c == u'{')
                closing = u'}';
        }
    }
}

// Whether any character is a strong right-to-left one. The first of them is U+0590, where Hebrew begins.
bool hasRightToLeftLetter(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x0590 && (c.direction() == QChar::DirR || c.direction() == QChar::DirAL))
            return true;
    }
    return false;
}

} // namespace

Qt::Alignment TextDirection::alignmentForString(const QString &text)
{
    // Most songs have no right-to-left letter at all: they need no count, which tests every word for a chord
    // name, on every layout.
    if (!hasRightToLeftLetter(text))
        return Qt::AlignLeft;
    LetterCount count;
    for (const QStringView line : QStringView(text).split(u'\n'))
        countLine(line, count);
    return count.rightToLeft > count.leftToRight ? Qt::AlignRight : Qt::AlignLeft;
}
