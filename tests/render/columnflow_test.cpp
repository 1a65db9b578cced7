// The column rule: where records go, and how many columns a song gets in a view.
#include "columnflow.h"

#include <gtest/gtest.h>

namespace {

QList<double> repeated(double height, int count)
{
    return QList<double>(count, height);
}

} // namespace

TEST(ColumnFlowTest, ColumnsForView)
{
    struct Case
    {
        const char *what;
        QList<double> heights;
        double maxwidth;
        QSizeF size;
        double border;
        int expected;
    };
    const Case cases[] = {
        {"no records", {}, 0, {400, 300}, 7, 1},
        {"a short song in a tall view", repeated(20, 5), 100, {400, 300}, 7, 1},
        {"exactly the height less both borders", repeated(50, 5), 100, {400, 264}, 7, 1},
        {"one point more opens a column", repeated(50, 5), 100, {400, 263}, 7, 2},
        {"2.5 visible heights, a quarter of the width wide", repeated(10, 250), 100, {414, 1014}, 7, 3},
        {"columns that do not fit side by side scroll", repeated(10, 250), 200, {414, 1014}, 7, 1},
        {"exactly as wide as the width less both borders", repeated(10, 250), 100, {314, 1014}, 7, 3},
        // Never an empty first column before a record taller than the view (that would draw a blank column).
        {"a record taller than the view stands alone", {500}, 100, {400, 300}, 7, 1},
        {"a tall record after others opens one column", {20, 500, 20}, 100, {400, 300}, 7, 3},
        {"a zero-size view", repeated(10, 3), 100, {0, 0}, 7, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ColumnFlow::columnsForView(c.heights, c.maxwidth, c.size, c.border), c.expected) << c.what;
}

TEST(ColumnFlowTest, PlacesEachRecordOnceInOrder)
{
    const QList<ColumnFlow::Place> places = ColumnFlow::placeAll({40, 40, 30, 100, 10}, 100);
    ASSERT_EQ(places.size(), 5);
    const int columns[] = {0, 0, 1, 2, 3};
    const double tops[] = {0, 40, 0, 0, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(places[i].column, columns[i]) << i;
        EXPECT_DOUBLE_EQ(places[i].y, tops[i]) << i;
    }
}

// The counting and the placing are one rule: the columns counted are the columns records are placed in.
TEST(ColumnFlowTest, CountAgreesWithPlaces)
{
    const QList<double> heights = {12.5, 33, 7.25, 80, 80, 1, 64, 19.75, 45, 45, 45, 3};
    for (double columnHeight : {50.0, 80.0, 100.0, 150.0, 1000.0}) {
        const QList<ColumnFlow::Place> places = ColumnFlow::placeAll(heights, columnHeight);
        const int counted = ColumnFlow::columnsForView(heights, 1, {1000, columnHeight + 2}, 1);
        EXPECT_EQ(places.last().column + 1, counted) << columnHeight;
    }
}

TEST(ColumnFlowTest, BreakingAColumn)
{
    ColumnFlow flow(100);
    flow.breakColumn(); // nothing to close yet
    EXPECT_EQ(flow.place(30).column, 0);
    flow.breakColumn();
    flow.breakColumn(); // a second break in a row closes nothing more
    const ColumnFlow::Place after = flow.place(30);
    EXPECT_EQ(after.column, 1);
    EXPECT_EQ(after.y, 0);
    EXPECT_EQ(flow.columns(), 2);
    EXPECT_EQ(flow.used(), 30);
}
