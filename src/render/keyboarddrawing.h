// A short piano keyboard with a chord's keys marked: its geometry in points and its painting.
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>

class QPainter;

class KeyboardDrawing
{
public:
    // One marked key: the index of its white key (middle C is 0, the B below it -1) and whether
    // the note is the black key right above that white key.
    struct Key
    {
        int whiteKey = 0;
        bool sharp = false;
    };

    // keys lowest first. An inverted keyboard has dark keys with light outlines.
    KeyboardDrawing(const QList<Key> &keys, const QRectF &rect, bool inverted);

    // The white keys shown, first to end - 1: at least six, from the lowest marked key.
    struct Range
    {
        int first = 0;
        int end = 6;
    };
    static Range keyRange(const QList<Key> &keys);
    // The width a keyboard of these keys wants within maxWidth: a tenth of it per white key.
    static qreal widthForMaxWidth(const QList<Key> &keys, qreal maxWidth);
    // The height that looks like a keyboard at the width, whatever the number of keys it shows.
    static qreal naturalHeight(qreal width);

    void paint(QPainter &painter) const;

    const QList<QRectF> &whiteKeys() const { return m_whiteKeys; }
    const QList<QRectF> &blackKeys() const { return m_blackKeys; }
    const QList<QPointF> &dots() const { return m_dots; }
    qreal dotRadius() const { return m_dotRadius; }

private:
    void layOutKeys(const Range &range);
    void layOutDots(const QList<Key> &keys, const Range &range);

    QRectF m_rect;
    bool m_inverted;
    qreal m_keyWidth = 0;
    qreal m_blackWidth = 0;
    qreal m_dotRadius = 0;
    QList<QRectF> m_whiteKeys;
    QList<QRectF> m_blackKeys;
    QList<QPointF> m_dots;
};
