#include "editortext.h"

#include <QTextDocument>

#include <gtest/gtest.h>

TEST(EditorText, RawTextKeepsTheSongsCharacters)
{
    struct Case
    {
        QString shown;
        QString raw;
    };
    const Case cases[] = {
        // toPlainText() would make the no-break space a blank.
        {QStringLiteral("a\u00a0b\n"), QStringLiteral("a\u00a0b\n")},
        {QStringLiteral("one\u2028two"), QStringLiteral("one\u2028two")},
        // Line ends as the document stores them: one line feed each.
        {QStringLiteral("x\r\ny\rz"), QStringLiteral("x\ny\nz")},
        {QStringLiteral("\u2029"), QStringLiteral("\n")},
        {QString(), QString()},
    };
    for (const Case &c : cases) {
        QTextDocument document;
        document.setPlainText(c.shown);
        EXPECT_EQ(EditorText::toRawText(document), c.raw) << c.shown.toStdString();
        EXPECT_EQ(EditorText::toRawText(document).size(), document.characterCount() - 1);
    }
}

TEST(EditorText, DoubleClickSelectsChordsWithBracketsAndGluedWords)
{
    struct Case
    {
        const char *text;
        qsizetype start, end;
        const char *selected;
    };
    const Case cases[] = {
        {"la [Am] da", 4, 6, "[Am]"},
        {"la [Am]day da", 7, 10, "[Am]day"},
        // A word ending in a chord takes the chord with it; the walk stops after the "]".
        {"sun[G] x", 0, 3, "sun[G]"},
        {"edge", 1, 3, "edge"},
        {"two\nlines", 4, 9, "lines"},
        // A no-break space is white space too.
        {"a\u00a0b c", 0, 1, "a"},
        {"", 0, 0, ""},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const EditorText::Range range = EditorText::doubleClickRange(text, {c.start, c.end});
        EXPECT_EQ(text.mid(range.start, range.end - range.start), QString::fromUtf8(c.selected)) << c.text;
    }
}
