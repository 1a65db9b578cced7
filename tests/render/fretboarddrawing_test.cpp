#include "fretboarddrawing.h"
#include "rendertesthelpers.h"
#include "systemlook.h"
#include "textmetrics.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// x 3 2 0 1 0 with all six strings: a C chord at the nut.
FretDiagram cChord()
{
    FretDiagram diagram;
    diagram.title = QStringLiteral("C");
    for (int fret : {-1, 3, 2, 0, 1, 0})
        diagram.columns.append({fret < 0, std::max(fret, 0), false});
    return diagram;
}

FretDiagram barreChord(int baseFret)
{
    FretDiagram diagram;
    diagram.title = QStringLiteral("X");
    for (int fret : {1, 3, 3, 2, 1, 1})
        diagram.columns.append({false, fret + baseFret, false});
    diagram.baseFret = baseFret;
    diagram.baseFretLabel = QString::number(baseFret + 1);
    diagram.barre = FretDiagram::Barre{0, 5, baseFret + 1};
    return diagram;
}

QImage paint(const FretboardDrawing &drawing, int width = 100, int height = 130)
{
    QImage image = pointCanvas(width, height);
    QPainter painter(&image);
    drawing.paint(painter);
    return image;
}

} // namespace

TEST(FretboardDrawing, PlacesGridDotsAndMarkers)
{
    DiagramStyle style;
    style.showTitle = true;
    const FretboardDrawing drawing(cChord(), QRectF(0, 0, 96, 116), 6, style);
    const qreal s = 116.0 * 5 / 6 / 4;
    EXPECT_DOUBLE_EQ(drawing.labelFontSize(), s);
    const qreal h = 116 - s;
    EXPECT_DOUBLE_EQ(drawing.gridTop(), s + h / 6);
    const qreal fretGap = (h - h / 6) / 4;
    EXPECT_DOUBLE_EQ(drawing.gridBottom(), drawing.gridTop() + 4 * fretGap);
    const qreal stringGap = drawing.gridWidth() / 6;
    EXPECT_DOUBLE_EQ(drawing.stringX(0), stringGap / 2);
    EXPECT_FALSE(drawing.dotCenter(0)) << "muted";
    EXPECT_FALSE(drawing.dotCenter(3)) << "open";
    ASSERT_TRUE(drawing.dotCenter(1));
    EXPECT_DOUBLE_EQ(drawing.dotCenter(1)->y(), drawing.gridTop() + 2.5 * fretGap);
    EXPECT_DOUBLE_EQ(drawing.dotCenter(1)->x(), drawing.stringX(1));
    EXPECT_FALSE(drawing.barreLine());
    EXPECT_LT(drawing.markerRect(0).bottom(), drawing.gridTop());
}

TEST(FretboardDrawing, LeavesRoomForTheBaseFretLabel)
{
    const TextMetrics metrics(SystemLook::systemFont(100.0 * 5 / 6 / 4));
    const qreal nine = metrics.width(QStringLiteral("9"));
    const qreal ten = metrics.width(QStringLiteral("10"));
    struct Case
    {
        int baseFret;
        qreal expectedGridWidth;
    };
    const Case cases[] = {{0, 80 - nine}, {9, 80 - nine}, {10, 80 - nine - ten}, {12, 80 - nine - ten}};
    for (const Case &c : cases) {
        const FretboardDrawing drawing(barreChord(c.baseFret), QRectF(0, 0, 80, 100), 6, DiagramStyle());
        EXPECT_DOUBLE_EQ(drawing.gridWidth(), c.expectedGridWidth) << c.baseFret;
    }
}

TEST(FretboardDrawing, DrawsMarkersNutAndBaseFretLabel)
{
    DiagramStyle style;
    const FretboardDrawing atNut(cChord(), QRectF(0, 0, 96, 126), 6, style);
    const QImage nutImage = paint(atNut);
    EXPECT_GT(inkIn(nutImage, atNut.markerRect(0)), 3) << "muted cross";
    EXPECT_GT(inkIn(nutImage, atNut.markerRect(3)), 3) << "open circle";
    EXPECT_EQ(inkIn(nutImage, atNut.markerRect(1)), 0) << "fretted strings have no marker";
    EXPECT_GT(inkIn(nutImage, QRectF(atNut.stringX(2), atNut.gridTop() - 2.5, 4, 2)), 3) << "the nut";
    EXPECT_EQ(inkIn(nutImage, QRectF(atNut.baseFretLabelOrigin(), QSizeF(10, 15))), 0) << "no label at the nut";

    const FretboardDrawing higher(barreChord(4), QRectF(0, 0, 96, 126), 6, style);
    const QImage higherImage = paint(higher);
    EXPECT_GT(inkIn(higherImage, QRectF(higher.baseFretLabelOrigin(), QSizeF(10, 15))), 5) << "label 5";
    EXPECT_EQ(inkIn(higherImage, QRectF(higher.stringX(2), higher.gridTop() - 2.5, 4, 1.5)), 0) << "no nut";
    ASSERT_TRUE(higher.barreLine());
    EXPECT_DOUBLE_EQ(higher.barreLine()->y1(), higher.fretY(5));
    EXPECT_GT(inkIn(higherImage, QRectF(higher.barreLine()->center() - QPointF(1, 1), QSizeF(2, 2))), 0);
}

TEST(FretboardDrawing, MarksSongChordsButFillsNothingOnPaper)
{
    FretDiagram diagram = cChord();
    diagram.temp = true;
    diagram.favorite = true;
    DiagramStyle style;
    style.markFavoriteChords = true;
    const QRectF rect(10, 10, 80, 100);
    const FretboardDrawing onScreen(diagram, rect, 6, style);
    EXPECT_EQ(onScreen.cornerMark(), QStringLiteral("D")) << "a song's chord shows D, not the heart";
    const QImage screen = paint(onScreen);
    EXPECT_NE(screen.pixelColor(9, 9), QColor(Qt::white)) << "pale yellow cell";

    style.printing = true;
    const FretboardDrawing onPaper(diagram, rect, 6, style);
    const QImage paper = paint(onPaper);
    EXPECT_EQ(paper.pixelColor(9, 9), QColor(Qt::white));
    EXPECT_GT(inkIn(paper, QRectF(QPointF(10 + onPaper.gridWidth(), 10), QSizeF(8, 8))), 0) << "D still marked";
}

TEST(FretboardDrawing, DrawsTheRootAsARing)
{
    FretDiagram diagram = barreChord(0);
    diagram.barre.reset();
    diagram.columns[1].root = true;
    const FretboardDrawing drawing(diagram, QRectF(0, 0, 200, 260), 6, DiagramStyle());
    const QImage image = paint(drawing, 200, 260);
    // Beside the string line that runs through every dot.
    const QPointF inside(drawing.dotRadius() / 2, 0);
    EXPECT_EQ(inkIn(image, QRectF(*drawing.dotCenter(1) + inside - QPointF(1, 1), QSizeF(2, 2))), 0) << "hollow ring";
    EXPECT_GT(inkIn(image, QRectF(*drawing.dotCenter(2) + inside - QPointF(1, 1), QSizeF(2, 2))), 0) << "filled dot";
}
