// Chord-grid rows: cells of a line, and the one wrapping rule of measuring and drawing.
#include "gridline.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// "text" for a text cell, "[text]" for a chord cell, with "<", "^" or ">" for left, centred or right.
QString describe(const GridCell &cell)
{
    const QString align = cell.textAlignment & Qt::AlignRight     ? QStringLiteral(">")
                          : cell.textAlignment & Qt::AlignHCenter ? QStringLiteral("^")
                                                                  : QStringLiteral("<");
    return cell.isChord ? u'[' + cell.text + u']' : cell.text + align;
}

QStringList describe(const QList<GridCell> &cells)
{
    QStringList result;
    for (const GridCell &cell : cells)
        result.append(describe(cell));
    return result;
}

} // namespace

TEST(GridLineTest, cellsOfALine)
{
    struct Case
    {
        const char *line;
        QStringList cells;
    };
    const Case cases[] = {
        {"| C . | G . |", {"|<", "[C]", "[]", "|^", "[G]", "[]", "|>"}},
        {"Intro | C . | G . ||", {"Intro<", "|<", "[C]", "[]", "|^", "[G]", "[]", "||>"}},
        {"Intro part  one |: Am | F :|", {"Intro part one<", "|:<", "[Am]", "|^", "[F]", ":|>"}},
        {"| C | G | x2 and fade", {"|<", "[C]", "|^", "[G]", "|>", "x2 and fade<"}},
        {"| Am   F |", {"|<", "[Am]", "[F]", "|>"}},
        {"C G Am", {"[C]", "[G]", "[Am]"}},
        {"|", {"|<"}},
        {"", {"[]"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(describe(GridLine::cellsForLine(QString::fromUtf8(c.line))), c.cells) << c.line;
}

TEST(GridLineTest, cellsWrapWhenTheyWouldPassTheWidth)
{
    QList<GridCell> cells;
    for (double width : {30.0, 30.0, 30.0, 50.0}) {
        GridCell cell(QStringLiteral("C"));
        cell.width = width;
        cells.append(cell);
    }
    // Cells of 30 with a gap of 5: 0, 35, 70 fit into 100; the fourth (at 105) wraps.
    const GridLine::Placement placement = GridLine::place(cells, 100, 5, 12);
    ASSERT_EQ(placement.origins.size(), 4);
    EXPECT_EQ(placement.origins[2], QPointF(70, 0));
    EXPECT_EQ(placement.origins[3], QPointF(0, 12));
    EXPECT_EQ(placement.wraps, 1);
    EXPECT_EQ(placement.width, 105);
    // A cell wider than the column never leaves an empty row before it.
    EXPECT_EQ(GridLine::place(cells.mid(3), 20, 5, 12).wraps, 0);
}
