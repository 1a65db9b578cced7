// The song view on screen: its frame, the columns its records are drawn in, and the click areas of the whole song.
#pragma once

#include "screencolumns.h"

#include <QList>
#include <QRectF>
#include <QSizeF>

#include <optional>

class QPainter;
class SongView;

// The columns are made once per layout and frame, so that a repaint (one every few milliseconds while the song
// scrolls by itself) draws only the records it shows. The chord and link click areas of all records are made once
// per layout and frame too, when first asked for (a click, the pointer, the chord lists), so that clicks, cursors
// and the chord lists see the whole song, not just what the last repaint drew.
class SongScreen
{
public:
    explicit SongScreen(SongView &view);

    // The view's size in points.
    QSizeF frameSize() const { return m_frame; }
    void setFrameSize(QSizeF size) { m_frame = size; }

    // Brings the click areas of the view's chord and link lists up to date with its layout, columns and frame.
    // Without a frame the view keeps the chord records its layout made.
    void updateClickAreas();
    // Draws the records that reach into the dirty rectangle (points, view coordinates) on the background.
    void drawRect(QPainter &painter, const QRectF &dirty);

private:
    // What columns and click areas depend on.
    struct Key
    {
        quint64 layout = 0;
        QSizeF frame;
        int columns = 0;
        float border = 0;
        bool centred = false;
        bool printing = false;
        bool operator==(const Key &) const = default;
    };

    Key currentKey() const;
    // Places the records in columns when the layout, columns or frame changed since they were placed.
    void updateColumns();
    // Draws records at their places; drawing adds their chord and link click areas to the view's lists.
    void drawRecords(QPainter &painter, const QList<qsizetype> &records);
    void drawSeparators(QPainter &painter);
    // The click areas of every record, drawn without their text (shaping it is nearly all that drawing costs) on a
    // device that keeps nothing.
    void collectClickAreas();

    SongView &m_view;
    QSizeF m_frame;
    // What the columns and what the click areas were made for.
    std::optional<Key> m_columnsKey;
    std::optional<Key> m_clickAreasKey;
    ScreenColumns m_columns;
};
