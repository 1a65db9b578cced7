#include "chordgrid.h"
#include "keyboarddrawing.h"
#include "rendertesthelpers.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ChordGrid, LaysFrettedChordsOutInColumns)
{
    struct Case
    {
        int count;
        QSizeF expectedExtent;
    };
    // A 300-point wide grid of three columns has cells 100 by 120; the extent keeps one empty cell after
    // an unfinished row and an empty row after a full one.
    const Case cases[] = {{0, {0, 0}}, {1, {200, 120}}, {2, {300, 120}}, {3, {300, 240}}, {4, {300, 240}}};
    for (const Case &c : cases) {
        const ChordGrid grid(c.count, QRectF(50, 70, 300, 400), 3, false);
        ASSERT_EQ(grid.bounds().size(), c.count);
        EXPECT_EQ(grid.extent(), c.expectedExtent) << c.count;
    }
    const ChordGrid grid(4, QRectF(50, 70, 300, 400), 3, false);
    EXPECT_EQ(grid.bounds()[0], QRectF(2, 2, 96, 116)); // from the view's origin, not the rectangle's
    EXPECT_EQ(grid.bounds()[2], QRectF(202, 2, 96, 116));
    EXPECT_EQ(grid.bounds()[3], QRectF(2, 122, 96, 116));
}

TEST(ChordGrid, ShrinksCellsToALowRectangle)
{
    const ChordGrid grid(2, QRectF(0, 0, 300, 60), 3, false);
    EXPECT_EQ(grid.bounds()[1], QRectF(52, 2, 46, 56));
}

TEST(ChordGrid, NeverDividesByZeroColumns)
{
    for (int numcols : {0, -3}) {
        const ChordGrid grid(3, QRectF(0, 0, 300, 600), numcols, false);
        ASSERT_EQ(grid.bounds().size(), 3);
        for (const QRectF &bounds : grid.bounds())
            EXPECT_TRUE(std::isfinite(bounds.width()) && bounds.width() > 0) << numcols;
        EXPECT_TRUE(std::isfinite(grid.extent().width()) && std::isfinite(grid.extent().height()));
        EXPECT_EQ(grid.bounds()[1].top(), grid.bounds()[0].bottom() + 4) << "one chord per row";
    }
}

TEST(ChordGrid, APrintedChordRowHasAtLeastOneChord)
{
    struct Case
    {
        qint64 perPrintedRow;
        int columns;
        int expected;
    };
    const Case cases[] = {{8, 1, 8}, {8, 2, 4}, {8, 3, 2}, {4, 5, 1}, {12, 13, 1}, {8, 0, 8}, {0, 1, 1}};
    for (const Case &c : cases)
        EXPECT_EQ(ChordGrid::chordsPerRow(c.perPrintedRow, c.columns), c.expected)
            << c.perPrintedRow << "/" << c.columns;
}

TEST(ChordGrid, StacksKeyboardChordsWithoutOverlappingTheirStaves)
{
    const ChordGrid grid(3, QRectF(0, 0, 300, 200), 3, true);
    ASSERT_EQ(grid.bounds().size(), 3);
    EXPECT_EQ(grid.bounds()[0], QRectF(2, 2, 296, 96));
    for (int i = 0; i + 1 < 3; ++i) {
        const QRectF staves = ChordGrid::staffArea(grid.bounds()[i]);
        EXPECT_LE(staves.bottom(), grid.bounds()[i + 1].top()) << i;
    }
    EXPECT_LE(ChordGrid::staffArea(grid.bounds()[2]).bottom(), grid.extent().height());
    EXPECT_EQ(ChordGrid(1, QRectF(0, 0, 300, 200), 3, true).extent(), QSizeF(300, 200));
}

TEST(ChordGrid, AKeyboardInARoomyRectangleKeepsTheShapeOfAKeyboard)
{
    // Laid out with the height left open, as a window measuring its diagrams does: the keyboard is as high as a
    // keyboard of its width looks, not half the room.
    for (const qreal width : {192.0, 300.0}) {
        const ChordGrid grid(2, QRectF(0, 0, width, 100000), 4, true);
        const QRectF keyboard = grid.bounds()[0];
        EXPECT_DOUBLE_EQ(keyboard.width(), width - 4);
        EXPECT_DOUBLE_EQ(keyboard.height(), KeyboardDrawing::naturalHeight(keyboard.width())) << width;
        EXPECT_LT(keyboard.height(), keyboard.width() / 2) << width;
        EXPECT_NEAR(grid.extent().height(), 2 * 2 * (keyboard.height() + 4), 0.01) << "both rows, nothing more";
    }
}
