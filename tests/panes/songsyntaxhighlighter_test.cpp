#include "songsyntaxhighlighter.h"

#include "syntaxcolors.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

// The coloured runs of a document as "text:#rrggbb", block by block, so a mismatch shows the whole picture.
QStringList colouredRuns(const QTextDocument &document)
{
    QStringList runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.hasProperty(QTextFormat::ForegroundBrush))
                runs << block.text().mid(range.start, range.length) + u':' + range.format.foreground().color().name();
        }
    }
    return runs;
}

QString colorName(int type, bool dark = false)
{
    return SyntaxColors::colorForTokenType(type, dark)->name();
}

} // namespace

TEST(SongSyntaxHighlighter, ColoursDirectivesCommentsChordsAndTabSections)
{
    QTextDocument document;
    SongSyntaxHighlighter highlighter(&document);
    document.setPlainText(QStringLiteral("{title: X}\n# note\n[Am]la [C]lo\n{sot}\nE|--|\n{eot}\nend"));
    highlighter.rehighlight();
    const QStringList expected = {
        "{title: X}:" + colorName(ChordproToken::Control), "# note:" + colorName(ChordproToken::Comment),
        "[Am]:" + colorName(ChordproToken::Chord),         "[C]:" + colorName(ChordproToken::Chord),
        "{sot}:" + colorName(ChordproToken::Control),      "E|--|:" + colorName(ChordproToken::Tab),
        "{eot}:" + colorName(ChordproToken::Control),
    };
    EXPECT_EQ(colouredRuns(document), expected);
}

TEST(SongSyntaxHighlighter, OpeningASectionRecoloursTheLinesAfterIt)
{
    QTextDocument document;
    // A document reports its changes once it has a layout, as it has in an editor.
    document.documentLayout();
    SongSyntaxHighlighter highlighter(&document);
    document.setPlainText(QStringLiteral("x\nE|--|\nB|--|\n{eot}\ny"));
    highlighter.rehighlight();
    EXPECT_EQ(colouredRuns(document), QStringList{"{eot}:" + colorName(ChordproToken::Control)});

    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("{sot}\n"));
    const QStringList expected = {
        "{sot}:" + colorName(ChordproToken::Control), "x:" + colorName(ChordproToken::Tab),
        "E|--|:" + colorName(ChordproToken::Tab),     "B|--|:" + colorName(ChordproToken::Tab),
        "{eot}:" + colorName(ChordproToken::Control),
    };
    EXPECT_EQ(colouredRuns(document), expected);

    // An open chord bracket reaches over the line break until it closes.
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\n[G\nz]"));
    EXPECT_EQ(colouredRuns(document).mid(5),
              (QStringList{"[G:" + colorName(ChordproToken::Chord), "z]:" + colorName(ChordproToken::Chord)}));
}

TEST(SongSyntaxHighlighter, TabSongsAreNotColouredAndDarkColoursDiffer)
{
    QTextDocument document;
    SongSyntaxHighlighter highlighter(&document);
    document.setPlainText(QStringLiteral("[C]la"));
    highlighter.rehighlight();
    EXPECT_EQ(colouredRuns(document), QStringList{"[C]:" + colorName(ChordproToken::Chord)});

    highlighter.setDark(true);
    EXPECT_EQ(colouredRuns(document), QStringList{"[C]:" + colorName(ChordproToken::Chord, true)});

    highlighter.setColoring(false);
    EXPECT_TRUE(colouredRuns(document).isEmpty());
}

TEST(SyntaxColors, EveryKindButPlainTextHasAColourInBothAppearances)
{
    for (const bool dark : {false, true}) {
        EXPECT_FALSE(SyntaxColors::colorForTokenType(ChordproToken::Text, dark));
        for (const int type :
             {ChordproToken::Control, ChordproToken::Comment, ChordproToken::Chord, ChordproToken::Tab})
            EXPECT_TRUE(SyntaxColors::colorForTokenType(type, dark).has_value()) << type;
    }
    EXPECT_EQ(*SyntaxColors::colorForTokenType(ChordproToken::Comment, false), QColor::fromRgbF(0.2f, 0.7f, 0.2f));
}
