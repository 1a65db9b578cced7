// Tokenizing song text for the editor's colouring.
#include "chordpro.h"

#include <gtest/gtest.h>

namespace {

// Each token as "<type name>|<its text>|<valid or open>", so a mismatch shows the whole split.
QStringList describe(const QString &text)
{
    QStringList out;
    const ChordPro chordPro(text);
    for (const ChordproToken &token : chordPro.tokens())
        out << QStringLiteral("%1|%2|%3")
                   .arg(token.description().section(u' ', 0, 0), text.mid(token.location(), token.length()),
                        token.valid() ? QStringLiteral("valid") : QStringLiteral("open"));
    return out;
}

} // namespace

TEST(ChordPro, SplitsTextIntoTypedTokens)
{
    struct Case
    {
        QString text;
        QStringList tokens;
    };
    const Case cases[] = {
        {QString(), {}},
        {QStringLiteral("{title: X}\n[C]Hello # no comment\n# yes\n"),
         {"control|{title: X}|valid", "text|\n|open", "chord|[C]|valid", "text|Hello # no comment\n|open",
          "comment|# yes\n|valid"}},
        {QStringLiteral("[C"), {"chord|[C|open"}},
        // A chord inside a comment line cuts the comment.
        {QStringLiteral("# a [C] b\n"), {"comment|# a |open", "chord|[C]|valid", "text| b\n|open"}},
        {QStringLiteral("{sot}\nE|---\n{eot}\nla"),
         {"control|{sot}|valid", "tab|\nE|---\n|open", "control|{eot}|valid", "text|\nla|open"}},
        {QStringLiteral("{sog-Lead}x"), {"control|{sog-Lead}|valid", "tab|x|open"}},
        {QStringLiteral("{ sot }x"), {"control|{ sot }|valid", "text|x|open"}},
        // A stray closing bracket starts plain text even in tab mode.
        {QStringLiteral("{sot}]x"), {"control|{sot}|valid", "text|]x|open"}},
        {QStringLiteral("\r#c\rz"), {"text|\r|open", "comment|#c\r|valid", "text|z|open"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(describe(c.text), c.tokens) << c.text.toStdString();
}

TEST(ChordPro, EveryCharacterBelongsToOneToken)
{
    const QString text = QStringLiteral("{t:a}}]]\n#[x]{y\n[Am]la {sot}\n-|-\n{eot}# z");
    const ChordPro chordPro(text);
    qsizetype next = 0;
    for (const ChordproToken &token : chordPro.tokens()) {
        EXPECT_EQ(token.location(), next);
        next = token.location() + token.length();
    }
    EXPECT_EQ(next, text.size());
}

TEST(ChordproToken, DescribesItsRange)
{
    ChordproToken token(ChordproToken::Chord, 4);
    token.increment();
    EXPECT_EQ(token.description(), QStringLiteral("chord 4-6"));
    EXPECT_EQ(ChordproToken(9, 0).description(), QStringLiteral("unknown 0-1"));
}
