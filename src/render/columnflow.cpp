// The column rule shared by counting columns, drawing them on screen and cutting printed pages.
#include "columnflow.h"

ColumnFlow::ColumnFlow(double columnHeight)
    : m_columnHeight(columnHeight)
{}

ColumnFlow::Place ColumnFlow::place(double height)
{
    if (m_y + height > m_columnHeight)
        breakColumn();
    const Place placed{m_column, m_y};
    m_y += height;
    return placed;
}

void ColumnFlow::breakColumn()
{
    if (m_y <= 0)
        return;
    ++m_column;
    m_y = 0;
}

QList<ColumnFlow::Place> ColumnFlow::placeAll(const QList<double> &heights, double columnHeight)
{
    ColumnFlow flow(columnHeight);
    QList<Place> places;
    places.reserve(heights.size());
    for (double height : heights)
        places.append(flow.place(height));
    return places;
}

int ColumnFlow::columnsFilled(const QList<double> &heights, double columnHeight)
{
    ColumnFlow flow(columnHeight);
    for (double height : heights)
        flow.place(height);
    return flow.columns();
}

bool ColumnFlow::fitSideBySide(int columns, double maxwidth, QSizeF size, double border)
{
    return columns == 1 || columns * maxwidth <= size.width() - 2 * border;
}

int ColumnFlow::columnsForView(const QList<double> &heights, double maxwidth, QSizeF size, double border)
{
    const int columns = columnsFilled(heights, size.height() - 2 * border);
    return fitSideBySide(columns, maxwidth, size, border) ? columns : 1;
}
