#include "attributedtext.h"
#include "rtfwriter.h"

#include <gtest/gtest.h>

namespace {

// True when every unescaped "{" has its "}" and no "}" comes first.
bool bracesBalance(const QByteArray &rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i; // an escaped character, or the first letter of a control word
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}' && --depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

QFont font(const QString &family, qreal points, bool bold = false)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

TEST(RtfWriter, EscapesTextSoEveryCharacterSurvives)
{
    struct Case
    {
        QString text;
        QByteArray expected;
    };
    const Case cases[] = {
        {QStringLiteral("plain text 1-2"), "plain text 1-2"},
        {QStringLiteral("a\\b{c}d"), "a\\\\b\\{c\\}d"},
        {QStringLiteral("x\ty"), "x\\tab y"},
        {QStringLiteral("caf\u00e9\u00a0"), "caf\\u233?\\u160?"},
        // Right-to-left letters and units above 32767 (written negative), a surrogate pair unit by unit.
        {QStringLiteral("\u05e9\u05dc\u05d5\u05dd"), "\\u1513?\\u1500?\\u1493?\\u1501?"},
        {QStringLiteral("\uff21\U0001F3B8"), "\\u-223?\\u-10180?\\u-8264?"},
        {QStringLiteral("\x01"), "\\u1?"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RtfWriter::escapedText(c.text), c.expected) << c.text.toStdString();
}

TEST(RtfWriter, WritesRunsAndParagraphsIntoOneDocument)
{
    AttributedText text;
    text.append(QStringLiteral("Title {1}\n"), font(QStringLiteral("DejaVu Sans"), 18, true), QColor(), true);
    text.append(QStringLiteral("Am"), font(QStringLiteral("DejaVu Serif"), 12), QColor(255, 0, 0));
    text.appendPlain(QStringLiteral("\u00a0\n"));
    text.append(QStringLiteral("la\u00a0la\n"), font(QStringLiteral("DejaVu Sans"), 12));

    const QByteArray rtf = RtfWriter::rtfFromAttributedText(text);
    const QByteArray expected =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
        "{\\fonttbl{\\f0\\fnil Helvetica;}{\\f1\\fnil DejaVu Sans;}{\\f2\\fnil DejaVu Serif;}}\n"
        "{\\colortbl;\\red255\\green0\\blue0;}\n"
        "\\pard\\qc {\\f1\\fs36\\b\\cf0 Title \\{1\\}}\\par\n"
        "\\pard\\ql {\\f2\\fs24\\cf1 Am}{\\f0\\fs24\\cf0 \\u160?}\\par\n"
        "\\pard\\ql {\\f1\\fs24\\cf0 la\\u160?la}\\par\n"
        "}\n";
    EXPECT_EQ(rtf, expected);
    EXPECT_TRUE(bracesBalance(rtf));
}

TEST(RtfWriter, EmptyTextIsAnEmptyDocument)
{
    const QByteArray rtf = RtfWriter::rtfFromAttributedText(AttributedText());
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(bracesBalance(rtf));
}

TEST(AttributedText, MergesEqualRunsAndMeasuresTheWidestLine)
{
    const QFont sans = font(QStringLiteral("DejaVu Sans"), 12);
    AttributedText text;
    text.append(QStringLiteral("ab"), sans);
    text.append(QStringLiteral("cd\nx"), sans);
    text.appendPlain(QString());
    ASSERT_EQ(text.runs().size(), 1);
    EXPECT_EQ(text.string(), QStringLiteral("abcd\nx"));

    AttributedText line;
    line.append(QStringLiteral("abcd"), sans);
    EXPECT_GT(line.width(), 0);
    EXPECT_DOUBLE_EQ(text.width(), line.width());
    EXPECT_EQ(AttributedText().width(), 0);
}
