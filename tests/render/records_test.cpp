// The layout records and a new song view's starting values.
#include "gridcell.h"
#include "songfixture.h"

TEST(GridCellTest, barSeparatorsAreExactTexts)
{
    struct Case
    {
        const char *text;
        bool separator;
    };
    const Case cases[] = {
        {"|", true},   {"||", true}, {"|:", true}, {":|", true},   {"|.", true}, {":|:", true},
        {"| ", false}, {"I", false}, {"", false},  {"|||", false}, {"C", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GridCell(QString::fromUtf8(c.text)).isTaktSeparator(), c.separator) << c.text;
}

using SongViewStartTest = SongFixture;

TEST_F(SongViewStartTest, newViewHasOneColumnAtZoomOneWithBorderAndNothingLaidOut)
{
    EXPECT_EQ(view.numColumns(), 1);
    EXPECT_EQ(view.zoomScale(), 1.0f);
    EXPECT_EQ(view.outerborder(), 7.0f);
    EXPECT_TRUE(view.showChords());
    EXPECT_TRUE(view.showLyrics());
    EXPECT_FALSE(view.printing());
    EXPECT_TRUE(view.lines().isEmpty());
    EXPECT_EQ(view.chordDiagramSize(), QSizeF(48, 60));
    EXPECT_EQ(view.prefs(), &prefs);
}

TEST_F(SongViewStartTest, diagramSizeFollowsTheLargeDiagramSettingAtEachLayout)
{
    prefs.setLargeChordDiagrams(true);
    layOut(QStringLiteral("{t: T}\nla\n"));
    EXPECT_EQ(view.chordDiagramSize(), QSizeF(60, 90));
}
