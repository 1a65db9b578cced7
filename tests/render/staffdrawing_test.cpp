#include "rendertesthelpers.h"
#include "staffdrawing.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

using Head = StaffDrawing::Head;

StaffDrawing staff(const QList<Head> &heads, bool treble = true, bool inverted = false)
{
    return StaffDrawing(heads, QRectF(0, 0, 84, 140), treble, Qt::black, Qt::white, inverted);
}

} // namespace

TEST(StaffDrawing, AddsLedgerLinesOnlyForNotesOffTheStaff)
{
    struct Case
    {
        double position;
        QList<qreal> expectedLedgers; // in line gaps from the top
    };
    const Case cases[] = {{-1, {10}}, {-0.5, {}}, {-2, {10, 11}}, {2, {}}, {5, {4}}, {6.5, {3, 4}}};
    for (const Case &c : cases) {
        const StaffDrawing drawing = staff({{c.position, false}});
        QList<qreal> expected;
        for (qreal k : c.expectedLedgers)
            expected.append(k * 10);
        EXPECT_EQ(drawing.ledgerLineYs(), expected) << c.position;
    }
}

TEST(StaffDrawing, MovesTheUpperHeadOfASecondAside)
{
    const StaffDrawing drawing = staff({{0, false}, {0.5, false}, {1.0, true}});
    ASSERT_EQ(drawing.headRects().size(), 3);
    const qreal cw = 84.0 / 4;
    EXPECT_DOUBLE_EQ(drawing.headRects()[0].left(), 42 + 0.2 * cw);
    EXPECT_DOUBLE_EQ(drawing.headRects()[1].left(), 42 + 0.2 * cw + cw / 2);
    EXPECT_DOUBLE_EQ(drawing.headRects()[2].left(), 42 + 0.2 * cw);
    EXPECT_DOUBLE_EQ(drawing.headRects()[0].center().y(), drawing.lineY(0));
    EXPECT_DOUBLE_EQ(drawing.headRects()[2].center().y(), drawing.lineY(1));
    ASSERT_EQ(drawing.sharpOrigins().size(), 1);
    EXPECT_EQ(drawing.sharpOrigins()[0], QPointF(42 - 0.2 * cw, drawing.lineY(1) - 7.5));
}

TEST(StaffDrawing, DrawsItsClefUnlessInverted)
{
    const StaffDrawing treble = staff({});
    EXPECT_EQ(treble.clefRect().top(), 30);
    EXPECT_EQ(treble.clefRect().height(), 80);
    EXPECT_TRUE(treble.ledgerLineYs().isEmpty());
    QImage image = pointCanvas(84, 140);
    QPainter painter(&image);
    treble.paint(painter);
    painter.end();
    const QRectF aboveTheStaff(treble.clefRect().left(), 30, treble.clefRect().width(), 19);
    EXPECT_GT(inkIn(image, aboveTheStaff), 20) << "the treble clef reaches above the staff";

    const StaffDrawing bass = staff({}, false);
    EXPECT_EQ(bass.clefRect().top(), 50);
    EXPECT_EQ(bass.clefRect().height(), 40);

    const StaffDrawing inverted = staff({{2, false}}, true, true);
    EXPECT_TRUE(inverted.clefRect().isEmpty());
    QImage dark = pointCanvas(84, 140);
    QPainter darkPainter(&dark);
    inverted.paint(darkPainter);
    darkPainter.end();
    EXPECT_EQ(dark.pixelColor(5, 5), QColor(Qt::black)) << "the foreground is the ground";
    EXPECT_GT(inkIn(dark, QRectF(10, inverted.lineY(4) - 1, 20, 2), Qt::black), 10) << "lines in the background colour";
}
