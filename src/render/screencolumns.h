// Where each laid-out record of a song is drawn on screen, for one layout and one frame.
#pragma once

#include "columnflow.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class SongView;

// With two or more columns the records flow through columns of the frame's height less the border above and
// below, by the same rule that counted the columns; with one column they stand one below the other. A narrow
// song in one column may be centred in the frame's width.
class ScreenColumns
{
public:
    ScreenColumns() = default;
    ScreenColumns(const SongView &view, QSizeF frame);

    // The width every record is drawn with, in points.
    float columnWidth() const { return m_columnWidth; }
    // The top-left corner of the column in view coordinates: border, centring and column offset.
    QPointF columnOrigin(int column) const { return m_origin + QPointF(column * m_columnStep, 0); }
    // Columns that hold records; at least 1.
    int columns() const { return m_columnStarts.size(); }
    qsizetype records() const { return m_places.size(); }
    const ColumnFlow::Place &place(qsizetype record) const { return m_places[record]; }
    // The records that reach into the rectangle (view coordinates), in drawing order.
    QList<qsizetype> recordsIn(const QRectF &rect) const;
    // The line left of each column after the first, in view coordinates.
    QList<QLineF> separators() const;

private:
    QRectF columnRect(int column) const;

    QList<ColumnFlow::Place> m_places;
    QList<double> m_heights;
    // Index of the first record of each column.
    QList<qsizetype> m_columnStarts;
    QSizeF m_frame;
    QPointF m_origin;
    double m_columnStep = 0;
    float m_columnWidth = 0;
};
