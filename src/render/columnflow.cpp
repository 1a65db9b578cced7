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

int ColumnFlow::columnsForView(const QList<double> &heights, double maxwidth, QSizeF size, double border)
{
    ColumnFlow flow(size.height() - 2 * border);
    for (double height : heights)
        flow.place(height);
    const int columns = flow.columns();
    if (columns > 1 && columns * maxwidth > size.width() - 2 * border)
        return 1;
    return columns;
}
