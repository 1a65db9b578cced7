// One fretted chord diagram: its geometry in points and its painting.
#include "fretboarddrawing.h"

#include "systemlook.h"
#include "textmetrics.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr qreal cellGrowth = 2.0;
constexpr qreal nutWidth = 3.0;
constexpr qreal leftHandedLineWidth = 2.0;
constexpr qreal shadowMinGridWidth = 30.0; // smaller diagrams stay crisp without a shadow
const QPointF shadowOffset(1, 1);
constexpr qreal cornerMarkScale = 0.7;
constexpr int fewestFretRows = 4; // every diagram shows at least four frets

QColor tempCellColor()
{
    QColor color = SystemLook::yellowColor();
    color.setAlphaF(0.2);
    return color;
}

// The system font; sizes of tiny diagrams stay positive.
QFont labelFont(qreal size)
{
    return SystemLook::systemFont(std::max<qreal>(size, 0.1));
}

const QColor shadowColor = [] {
    QColor color(Qt::black);
    color.setAlphaF(0.33);
    return color;
}();

} // namespace

FretboardDrawing::FretboardDrawing(const FretDiagram &diagram, const QRectF &rect, int numstrings,
                                   const DiagramStyle &style)
    : m_diagram(diagram)
    , m_rect(rect)
    , m_numstrings(std::max(numstrings, 1))
    , m_style(style)
{
    m_diagram.numFrets = std::max(m_diagram.numFrets, 1);
    m_x = rect.x();
    m_y = rect.y();
    m_w = rect.width();
    m_h = rect.height();
    m_fontSize = (m_h * 5 / 6) / m_diagram.numFrets;
    m_font = labelFont(m_fontSize);
    if (m_style.showTitle) {
        m_y += m_fontSize;
        m_h -= m_fontSize;
    }
    m_gridWidth = m_w - labelRoom();
    m_topBand = m_h / 6;
    m_fretGap = (m_h - m_topBand) / m_diagram.numFrets;
    m_stringGap = m_gridWidth / m_numstrings;
    m_x0 = m_x + m_stringGap / 2;
    m_y0 = m_y + m_topBand;
}

qreal FretboardDrawing::labelRoom() const
{
    if (m_style.sharedLabelRoom) {
        // Measured in the label font of a four-fret diagram, the largest, so that a diagram with more fret
        // rows (a smaller label) keeps the same room too.
        const qreal fontSize = (m_h * 5 / 6) / fewestFretRows;
        return TextMetrics(labelFont(fontSize)).width(QStringLiteral("10"));
    }
    const TextMetrics metrics(m_font);
    qreal room = metrics.width(QStringLiteral("9"));
    if (m_diagram.baseFret >= 10)
        room += metrics.width(QStringLiteral("10"));
    return room;
}

int FretboardDrawing::columnCount() const
{
    return std::min<int>(m_numstrings, m_diagram.columns.size());
}

QPointF FretboardDrawing::titleOrigin() const
{
    const qreal titleWidth = TextMetrics(m_font).width(m_diagram.title);
    return QPointF(m_rect.x() + (m_w - titleWidth) / 2, m_rect.y());
}

std::optional<QPointF> FretboardDrawing::dotCenter(int column) const
{
    if (column < 0 || column >= columnCount())
        return std::nullopt;
    const FretDiagram::Column &c = m_diagram.columns[column];
    if (c.muted || c.fret == 0)
        return std::nullopt;
    return QPointF(stringX(column), fretY(c.fret));
}

std::optional<QLineF> FretboardDrawing::barreLine() const
{
    if (!m_diagram.barre)
        return std::nullopt;
    const qreal y = fretY(m_diagram.barre->fret);
    return QLineF(stringX(m_diagram.barre->firstColumn), y, stringX(m_diagram.barre->lastColumn), y);
}

QRectF FretboardDrawing::markerRect(int column) const
{
    const qreal q = m_stringGap / 4;
    const qreal top = m_y + (m_topBand - 2 * q) / 2 - 1;
    return QRectF(stringX(column) - q, top, 2 * q, 2 * q);
}

QString FretboardDrawing::cornerMark() const
{
    if (m_style.markTempChords && m_diagram.temp)
        return QStringLiteral("D");
    if (m_style.markFavoriteChords && m_diagram.favorite)
        return QStringLiteral("\u2665");
    if (m_style.markEditableChords && m_diagram.editable)
        return QStringLiteral("\u2699");
    return {};
}

void FretboardDrawing::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintCell(painter);
    paintEditableFrame(painter);
    paintGrid(painter);
    if (m_gridWidth > shadowMinGridWidth)
        paintDotsAndBarre(painter, shadowOffset, shadowColor);
    paintDotsAndBarre(painter, QPointF(), m_style.lineColor(m_diagram.invert));
    paintMarkers(painter);
    paintLabels(painter);
    painter.restore();
}

void FretboardDrawing::paintCell(QPainter &painter) const
{
    if (m_style.printing)
        return;
    const bool markedTemp = m_diagram.temp && !m_style.viewInverted && !m_diagram.invert && m_style.markTempChords;
    const QColor fill = markedTemp ? tempCellColor() : m_style.cellColor(m_diagram.invert);
    painter.fillRect(m_rect.adjusted(-cellGrowth, -cellGrowth, cellGrowth, cellGrowth), fill);
}

void FretboardDrawing::paintEditableFrame(QPainter &painter) const
{
    if (!m_style.markEditableChords || !m_diagram.editable)
        return;
    QPen pen(m_style.lineColor(m_diagram.invert), 1);
    pen.setDashPattern({1, 1});
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(m_x, m_y, m_w, m_h));
    painter.restore();
}

void FretboardDrawing::paintGrid(QPainter &painter) const
{
    const QColor line = m_style.lineColor(m_diagram.invert);
    const qreal lastX = stringX(m_numstrings - 1);
    QPainterPath grid;
    for (int i = 0; i < m_numstrings; ++i) {
        grid.moveTo(stringX(i), m_y0);
        grid.lineTo(stringX(i), gridBottom());
    }
    for (int j = 0; j <= m_diagram.numFrets; ++j) {
        grid.moveTo(m_x0, m_y0 + j * m_fretGap);
        grid.lineTo(lastX, m_y0 + j * m_fretGap);
    }
    painter.strokePath(grid, QPen(line, 1, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    if (m_diagram.baseFret == 0) {
        painter.setPen(QPen(line, nutWidth, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        painter.drawLine(QLineF(m_x0, m_y0 - 1, lastX, m_y0 - 1));
    }
    if (m_style.leftHanded) {
        painter.setPen(QPen(line, leftHandedLineWidth, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        painter.drawLine(QLineF(lastX, m_y0 + 1, lastX, gridBottom() - 1));
    }
}

void FretboardDrawing::paintDotsAndBarre(QPainter &painter, const QPointF &offset, const QColor &color) const
{
    const qreal r = dotRadius();
    for (int column = 0; column < columnCount(); ++column) {
        const std::optional<QPointF> center = dotCenter(column);
        if (!center)
            continue;
        if (m_diagram.columns[column].root) {
            painter.setPen(QPen(color, 2));
            painter.setBrush(Qt::NoBrush);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
        }
        painter.drawEllipse(*center + offset, r, r);
    }
    if (const std::optional<QLineF> barre = barreLine()) {
        painter.setPen(QPen(color, 1.5 * r, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(barre->translated(offset));
    }
}

void FretboardDrawing::paintMarkers(QPainter &painter) const
{
    const QColor line = m_style.lineColor(m_diagram.invert);
    painter.setBrush(Qt::NoBrush);
    for (int column = 0; column < columnCount(); ++column) {
        const FretDiagram::Column &c = m_diagram.columns[column];
        const QRectF box = markerRect(column);
        if (c.muted) {
            painter.setPen(QPen(line, 1, Qt::SolidLine, Qt::SquareCap));
            painter.drawLine(box.topLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomLeft());
        } else if (c.fret == 0) {
            painter.setPen(QPen(line, c.root ? 2 : 1));
            painter.drawEllipse(box);
        }
    }
}

void FretboardDrawing::paintLabels(QPainter &painter) const
{
    const QColor line = m_style.lineColor(m_diagram.invert);
    if (m_style.showTitle)
        TextMetrics::drawAtPoint(&painter, m_diagram.title, titleOrigin(), m_font, line);
    if (m_diagram.baseFret != 0)
        TextMetrics::drawAtPoint(&painter, m_diagram.baseFretLabel, baseFretLabelOrigin(), m_font, line);
    const QString mark = cornerMark();
    if (!mark.isEmpty())
        TextMetrics::drawAtPoint(&painter, mark, QPointF(m_x + m_gridWidth, m_y),
                                 labelFont(cornerMarkScale * m_fontSize), line);
}
