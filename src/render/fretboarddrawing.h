// One fretted chord diagram: its geometry in points and its painting on any QPainter.
#pragma once

#include "fretdiagram.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRectF>

#include <optional>

class QPainter;

// What the chord view hands every diagram it draws.
struct DiagramStyle
{
    QColor foreground = Qt::black;
    QColor background = Qt::white;
    bool viewInverted = false;
    bool showTitle = false;
    bool markTempChords = true;
    bool markFavoriteChords = false;
    bool markEditableChords = false;
    bool printing = false;   // on paper nothing is filled behind a diagram
    bool leftHanded = false; // the strings are mirrored: a thick line marks the lowest string at the right
    // Diagrams side by side in a grid: each keeps the room of a two-digit base-fret label beside its fret grid,
    // whatever its own label, so that every grid of the set has the same width.
    bool sharedLabelRoom = false;

    // A diagram inverted on its own (selected) exchanges the two colours; so does an inverted view.
    QColor lineColor(bool diagramInverted) const { return viewInverted == diagramInverted ? foreground : background; }
    QColor cellColor(bool diagramInverted) const { return viewInverted == diagramInverted ? background : foreground; }
};

class FretboardDrawing
{
public:
    FretboardDrawing(const FretDiagram &diagram, const QRectF &rect, int numstrings, const DiagramStyle &style);

    void paint(QPainter &painter) const;

    qreal labelFontSize() const { return m_fontSize; }
    // Top-left corner of the chord name; only meaningful with showTitle.
    QPointF titleOrigin() const;
    // Width left for the strings after room for the base-fret label.
    qreal gridWidth() const { return m_gridWidth; }
    qreal stringX(int column) const { return m_x0 + column * m_stringGap; }
    qreal gridTop() const { return m_y0; }
    qreal gridBottom() const { return m_y0 + m_diagram.numFrets * m_fretGap; }
    // Middle of the row of an absolute fret.
    qreal fretY(int fret) const { return m_y0 + (fret - m_diagram.baseFret - 0.5) * m_fretGap; }
    qreal dotRadius() const { return m_stringGap / 3; }
    // Centre of the dot of a fretted column; none for open and muted strings.
    std::optional<QPointF> dotCenter(int column) const;
    std::optional<QLineF> barreLine() const;
    // The square in the top band where an open circle or a muted cross is drawn.
    QRectF markerRect(int column) const;
    QPointF baseFretLabelOrigin() const { return QPointF(m_x + m_gridWidth, m_y0); }
    // "D", "♥" or "⚙" in the corner, or empty.
    QString cornerMark() const;

private:
    // The width beside the fret grid kept for the base-fret label.
    qreal labelRoom() const;
    int columnCount() const;
    void paintCell(QPainter &painter) const;
    void paintEditableFrame(QPainter &painter) const;
    void paintGrid(QPainter &painter) const;
    void paintDotsAndBarre(QPainter &painter, const QPointF &offset, const QColor &color) const;
    void paintMarkers(QPainter &painter) const;
    void paintLabels(QPainter &painter) const;

    FretDiagram m_diagram;
    QRectF m_rect; // as given, for the cell behind the diagram
    int m_numstrings;
    DiagramStyle m_style;
    QFont m_font;
    qreal m_fontSize = 0;
    qreal m_x = 0, m_y = 0, m_w = 0, m_h = 0; // the rectangle below the title
    qreal m_gridWidth = 0;
    qreal m_topBand = 0;
    qreal m_fretGap = 0;
    qreal m_stringGap = 0;
    qreal m_x0 = 0, m_y0 = 0;
};
