// The one rule that puts printed lines on pages and columns.
#include "printwalk.h"

#include <gtest/gtest.h>

namespace {

// Lines of the heights; a negative height stands for a page-break line.
QList<LineInfo> linesOf(std::initializer_list<float> heights)
{
    QList<LineInfo> lines;
    for (float height : heights) {
        LineInfo line;
        line.newPage = height < 0;
        line.height = std::max(height, 0.0f);
        lines.append(line);
    }
    return lines;
}

using Place = PrintWalk::Place;
constexpr Place nowhere{};

} // namespace

TEST(PrintWalk, PutsEveryLineOnAPageAndAColumn)
{
    struct Case
    {
        const char *what;
        QList<LineInfo> lines;
        int columns;
        bool pageBreaks;
        QList<Place> places;
    };
    const Case cases[] = {
        {"lines adding up to the height fit", linesOf({40, 60}), 1, true, {{0, 0, 0}, {0, 0, 40}}},
        {"one point more opens a page", linesOf({40, 61}), 1, true, {{0, 0, 0}, {1, 0, 0}}},
        {"a page break in a two-column page opens the second column",
         linesOf({10, -1, 10, -1, 10}),
         2,
         true,
         {{0, 0, 0}, nowhere, {0, 1, 0}, nowhere, {1, 0, 0}}},
        {"page breaks are ignored when asked", linesOf({10, -1, 10}), 1, false, {{0, 0, 0}, nowhere, {0, 0, 10}}},
        {"a line taller than a column stands alone in one", linesOf({150, 10}), 1, true, {{0, 0, 0}, {1, 0, 0}}},
        {"nor is a column before it left empty", linesOf({10, 150}), 1, true, {{0, 0, 0}, {1, 0, 0}}},
        {"page breaks at the start, twice and at the end make no empty page",
         linesOf({-1, 10, -1, -1, 10, -1}),
         1,
         true,
         {nowhere, {0, 0, 0}, nowhere, nowhere, {1, 0, 0}, nowhere}},
    };
    for (const Case &c : cases) {
        const PrintWalk walk(c.lines, c.columns, 100, c.pageBreaks);
        EXPECT_EQ(walk.places(), c.places) << c.what;
        const int lastPage = std::max_element(c.places.begin(), c.places.end(), [](const Place &a, const Place &b) {
                                 return a.page < b.page;
                             })->page;
        EXPECT_EQ(walk.pageCount(), lastPage + 1) << c.what;
    }
}

TEST(PrintWalk, PageRecordsStartAtTheirFirstLineAndStackInTheStrip)
{
    // Page 0: columns of 90 and 30; page 1 opened by a page break, whose record starts after it.
    const PrintWalk walk(linesOf({50, 40, 30, -1, 20}), 2, 100, true);
    const QList<PrintPageInfo> pages = walk.pages(500);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].firstLineIndex, 0);
    EXPECT_EQ(pages[0].rect, QRectF(0, 0, 500, 90));
    EXPECT_EQ(pages[1].firstLineIndex, 4);
    EXPECT_EQ(pages[1].rect, QRectF(0, 90, 500, 20));
}

TEST(PrintWalk, ASongWithoutLinesHasNoPage)
{
    EXPECT_EQ(PrintWalk({}, 1, 100, true).pageCount(), 0);
    EXPECT_EQ(PrintWalk(linesOf({-1, -1}), 1, 100, true).pageCount(), 0);
    EXPECT_TRUE(PrintWalk(linesOf({-1}), 3, 100, true).pages(500).isEmpty());
}
