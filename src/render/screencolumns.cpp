// Where each laid-out record of a song is drawn on screen.
#include "screencolumns.h"

#include "prefs.h"
#include "songview.h"

#include <algorithm>
#include <limits>
#include <ranges>

namespace {

// Drawing reaches a little beyond a record's rectangle (chord backgrounds grow by a margin): records this close
// to a repainted rectangle are drawn too, and the painter's clip keeps what lies outside.
constexpr double kReach = 4.0;

} // namespace

ScreenColumns::ScreenColumns(const SongView &view, QSizeF frame)
    : m_frame(frame)
{
    const double border = view.outerborder();
    const int columns = std::max(view.numColumns(), 1);
    const double usableWidth = frame.width() - 2 * border;
    m_columnWidth = float(usableWidth / columns);
    m_columnStep = frame.width() / columns;
    m_origin = QPointF(border, border);

    // A narrow song is centred over the view's width (not over the repainted part), titles included.
    const double songWidth = std::max(view.maxwidth(), view.titlewidth());
    if (columns == 1 && view.prefs()->centerNarrowSongs() && view.maxwidth() > 0 && !view.printing() &&
        usableWidth > songWidth) {
        m_origin.rx() += (usableWidth - songWidth) * 0.5;
        m_columnWidth = float(songWidth);
    }

    m_heights = view.lineHeights();
    const double columnHeight = columns >= 2 ? frame.height() - 2 * border : std::numeric_limits<double>::infinity();
    m_places = ColumnFlow::placeAll(m_heights, columnHeight);
    m_columnStarts.append(0);
    for (qsizetype i = 1; i < m_places.size(); ++i) {
        if (m_places[i].column != m_places[i - 1].column)
            m_columnStarts.append(i);
    }
}

QRectF ScreenColumns::columnRect(int column) const
{
    return QRectF(columnOrigin(column), QSizeF(m_columnWidth, m_frame.height()));
}

QList<qsizetype> ScreenColumns::recordsIn(const QRectF &rect) const
{
    const QRectF reach = rect.adjusted(-kReach, -kReach, kReach, kReach);
    QList<qsizetype> found;
    for (int column = 0; column < columns(); ++column) {
        const QRectF area = columnRect(column);
        if (area.right() < reach.left() || area.left() > reach.right())
            continue;
        const qsizetype first = m_columnStarts[column];
        const qsizetype end = column + 1 < columns() ? m_columnStarts[column + 1] : m_places.size();
        // Tops and bottoms grow with the index inside a column: find the first record that ends below the top.
        const double top = reach.top() - area.top();
        const double bottom = reach.bottom() - area.top();
        const auto inColumn = std::views::iota(first, end);
        const auto endsAbove = [&](qsizetype index) { return m_places[index].y + m_heights[index] < top; };
        const qsizetype from = first + (std::ranges::partition_point(inColumn, endsAbove) - inColumn.begin());
        for (qsizetype index = from; index < end && m_places[index].y <= bottom; ++index)
            found.append(index);
    }
    return found;
}

QList<QLineF> ScreenColumns::separators() const
{
    QList<QLineF> lines;
    for (int column = 1; column < columns(); ++column) {
        const double x = columnOrigin(column).x() - 2.0;
        lines.append(QLineF(x, m_origin.y() + m_frame.height() * 0.1, x, m_origin.y() + m_frame.height() * 0.9));
    }
    return lines;
}
