// The column rule shared by counting columns, drawing them on screen and cutting printed pages.
#pragma once

#include <QList>
#include <QSizeF>

// Records are stacked top to bottom in columns of one usable height (points). A record that does not fit below
// what its column already holds starts the next column at the top. A column that holds nothing is never closed:
// a record taller than a column stands alone in one and overflows it, so no column is ever left empty.
class ColumnFlow
{
public:
    struct Place
    {
        // Index from 0, counted over the whole flow (printing turns it into page and column).
        int column = 0;
        // Top of the record, from the top of its column.
        double y = 0;
    };

    explicit ColumnFlow(double columnHeight);

    // Where the next record of the height goes.
    Place place(double height);
    // Closes the current column unless it is empty, so that the next record starts a column (a page break).
    void breakColumn();
    // Columns used so far, at least 1.
    int columns() const { return m_column + 1; }
    // Height used in the current column.
    double used() const { return m_y; }

    // The place of each record of these heights, in columns of the height.
    static QList<Place> placeAll(const QList<double> &heights, double columnHeight);
    // The columns that records of these heights fill.
    static int columnsFilled(const QList<double> &heights, double columnHeight);
    // The columns, each as wide as the widest line, fit side by side in the size less the border left and right.
    static bool fitSideBySide(int columns, double maxwidth, QSizeF size, double border);
    // The columns a song gets in a view of the size with a border on every side: as many as its records fill in
    // columns of the view's height less the border above and below, provided that as many columns of the widest
    // line's width fit side by side within the view's width less the border left and right; otherwise 1, one
    // scrolling column. No records give 1.
    static int columnsForView(const QList<double> &heights, double maxwidth, QSizeF size, double border);

private:
    double m_columnHeight;
    int m_column = 0;
    double m_y = 0;
};
