#include "editortext.h"

#include <QTextDocument>

QString EditorText::toRawText(const QTextDocument &document)
{
    // toPlainText() would turn no-break spaces into blanks; the raw text keeps them but separates
    // paragraphs with U+2029, which the song text writes as a line feed.
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

namespace {

bool endsWord(QChar c)
{
    return c.isSpace() || c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

EditorText::Range EditorText::doubleClickRange(const QString &text, Range proposed)
{
    Range range{qBound<qsizetype>(0, proposed.start, text.size()), qBound<qsizetype>(0, proposed.end, text.size())};
    while (range.start > 0) {
        const QChar before = text.at(range.start - 1);
        if (endsWord(before))
            break;
        --range.start;
        if (before == u'[')
            break;
    }
    while (range.end < text.size()) {
        const QChar at = text.at(range.end);
        if (endsWord(at))
            break;
        ++range.end;
        if (at == u']')
            break;
    }
    return range;
}
