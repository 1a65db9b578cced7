// Where each line of a printed song goes: page, column and top. The one rule by which pagination cuts a song
// into pages and drawing puts its lines on them, so that every line is drawn once, on the page it was given.
#pragma once

#include "lineinfo.h"
#include "printpageinfo.h"

#include <QList>

// Lines fill a column top to bottom; a line that does not fit below what its column holds opens the next column,
// and after the last column of a page, the next page. A page-break line closes its column when page breaks are
// honoured, and is drawn nowhere. A column that holds nothing is never closed, so no page or column is ever empty:
// a line taller than a column stands alone in one and overflows it, and page breaks at the start or end of a song
// or one after another make no blank page.
class PrintWalk
{
public:
    struct Place
    {
        // From 0; -1 for a line drawn nowhere (a page break).
        int page = -1;
        int column = 0;
        // Top of the line in its column, points.
        double y = 0;
        bool operator==(const Place &) const = default;
    };

    // lines: the joined line list. columns: at least 1. columnHeight: the print area's height, points.
    PrintWalk(const QList<LineInfo> &lines, int columns, double columnHeight, bool pageBreaks);

    const QList<Place> &places() const { return m_places; }
    // One record per page that holds a line; none for a song without lines. Page width: pageWidth.
    QList<PrintPageInfo> pages(double pageWidth) const;
    int pageCount() const { return int(m_columnHeights.size()); }

private:
    void place(const LineInfo &line, qsizetype index);
    void closeColumn();

    int m_columns;
    double m_columnHeight;
    bool m_pageBreaks;
    QList<Place> m_places;
    // The current page and column, the height used in the column.
    int m_page = 0;
    int m_column = 0;
    double m_y = 0;
    // Per page: the tallest column, and the first line on it.
    QList<double> m_columnHeights;
    QList<qint64> m_firstLines;
};
