// One five-line staff with a clef and a chord's notes as heads: its geometry in points and its painting.
#pragma once

#include <QColor>
#include <QList>
#include <QRectF>

class QPainter;

class StaffDrawing
{
public:
    // One note: its staff position for this staff's clef (0 the bottom line, 4 the top line, halves
    // the spaces, negative below the staff) and whether it is a black key, drawn with a sharp.
    struct Head
    {
        double position = 0;
        bool sharp = false;
    };

    // heads lowest first. An inverted staff lies on a foreground ground, drawn in the background
    // colour and without a clef.
    StaffDrawing(const QList<Head> &heads, const QRectF &rect, bool treble, const QColor &foreground,
                 const QColor &background, bool inverted);

    void paint(QPainter &painter) const;

    qreal lineGap() const { return m_gap; }
    qreal lineY(int line) const { return m_rect.y() + (9 - line) * m_gap; } // line 0 is the bottom line
    // Where the clef picture goes; empty when none is drawn.
    QRectF clefRect() const;
    QList<qreal> ledgerLineYs() const;
    const QList<QRectF> &headRects() const { return m_headRects; }
    // Top-left corner of each sharp sign, in the order of the sharp heads.
    const QList<QPointF> &sharpOrigins() const { return m_sharpOrigins; }

private:
    qreal headY(double position) const { return m_rect.y() + (9 - position) * m_gap; }
    void layOutHeads();
    void paintClef(QPainter &painter) const;

    QList<Head> m_heads;
    QRectF m_rect;
    bool m_treble;
    QColor m_lineColor;
    QColor m_ground; // invalid: nothing is filled
    bool m_inverted;
    qreal m_gap;
    QList<QRectF> m_headRects;
    QList<QPointF> m_sharpOrigins;
};
