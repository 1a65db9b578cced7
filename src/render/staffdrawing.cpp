// One five-line staff with a clef and a chord's notes as heads.
#include "staffdrawing.h"

#include "systemlook.h"
#include "textmetrics.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <cmath>

namespace {

constexpr qreal gapsPerHeight = 14; // the staff's five lines take gaps 5 to 9 of the rectangle
constexpr qreal trebleClefGaps = 8;
constexpr qreal bassClefGaps = 4;

// The clef artwork is drawn in black; it is recoloured to the staff's line colour, so that it stays
// visible on a dark ground and stays a vector drawing on paper.
QByteArray clefArtwork(bool treble, const QColor &color)
{
    QFile file(treble ? QStringLiteral(":/clef.svg") : QStringLiteral(":/bassclef.svg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().replace("#000", color.name().toLatin1());
}

// Width over height of the clef picture.
qreal clefAspect(bool treble)
{
    static const auto aspect = [](bool treble) {
        const QSizeF size = QSvgRenderer(clefArtwork(treble, Qt::black)).defaultSize();
        return size.height() > 0 ? size.width() / size.height() : 0.0;
    };
    static const qreal trebleAspect = aspect(true);
    static const qreal bassAspect = aspect(false);
    return treble ? trebleAspect : bassAspect;
}

} // namespace

StaffDrawing::StaffDrawing(const QList<Head> &heads, const QRectF &rect, bool treble, const QColor &foreground,
                           const QColor &background, bool inverted)
    : m_heads(heads)
    , m_rect(rect)
    , m_treble(treble)
    , m_lineColor(inverted ? background : foreground)
    , m_ground(inverted ? foreground : QColor())
    , m_inverted(inverted)
    , m_gap(rect.height() / gapsPerHeight)
{
    layOutHeads();
}

QRectF StaffDrawing::clefRect() const
{
    if (m_inverted)
        return {};
    const qreal height = (m_treble ? trebleClefGaps : bassClefGaps) * m_gap;
    return QRectF(m_rect.x(), m_rect.y() + (m_treble ? 3 : 5) * m_gap, height * clefAspect(m_treble), height);
}

QList<qreal> StaffDrawing::ledgerLineYs() const
{
    QList<qreal> ys;
    if (m_heads.isEmpty())
        return ys;
    const int lowest = int(std::trunc(m_heads.first().position));
    for (int k = 10; k <= 9 - lowest; ++k)
        ys.append(m_rect.y() + k * m_gap);
    const int highest = int(std::trunc(m_heads.last().position));
    if (highest >= 5)
        for (int k = 9 - highest; k <= 4; ++k)
            ys.append(m_rect.y() + k * m_gap);
    return ys;
}

void StaffDrawing::layOutHeads()
{
    const qreal xc = m_rect.x() + m_rect.width() / 2;
    const qreal cw = m_rect.width() / 4;
    // A head a second above the last unshifted one moves right, so neighbouring heads do not cover each other.
    double reference = -20;
    for (const Head &head : m_heads) {
        const qreal y = headY(head.position);
        qreal x = xc + 0.2 * cw;
        if (head.position == reference + 0.5)
            x += cw / 2;
        else
            reference = head.position;
        m_headRects.append(QRectF(x, y - m_gap / 2, 0.6 * cw, m_gap));
        if (head.sharp)
            m_sharpOrigins.append(QPointF(xc - 0.2 * cw, y - 0.75 * m_gap));
    }
}

void StaffDrawing::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (m_ground.isValid())
        painter.fillRect(m_rect, m_ground);
    painter.setPen(QPen(m_lineColor, 1));
    for (int line = 0; line < 5; ++line)
        painter.drawLine(QLineF(m_rect.left(), lineY(line), m_rect.right(), lineY(line)));
    paintClef(painter);

    const qreal xc = m_rect.x() + m_rect.width() / 2;
    const qreal cw = m_rect.width() / 4;
    QPainterPath ledgers;
    for (qreal y : ledgerLineYs()) {
        ledgers.moveTo(xc, y);
        ledgers.lineTo(xc + cw, y);
    }
    painter.strokePath(ledgers, QPen(m_lineColor, 1));

    painter.setPen(Qt::NoPen);
    painter.setBrush(m_lineColor);
    for (const QRectF &head : m_headRects)
        painter.drawEllipse(head);
    const QFont sharpFont = SystemLook::boldSystemFont(std::max<qreal>(1.2 * m_gap, 0.1));
    for (const QPointF &origin : m_sharpOrigins)
        TextMetrics::drawAtPoint(&painter, QStringLiteral("\u266F"), origin, sharpFont, m_lineColor);
    painter.restore();
}

void StaffDrawing::paintClef(QPainter &painter) const
{
    const QRectF rect = clefRect();
    if (rect.isEmpty())
        return;
    QSvgRenderer renderer(clefArtwork(m_treble, m_lineColor));
    renderer.render(&painter, rect);
}
