// Drawing the flash strip: only the lit segment is painted; the rest lets the song show through.
#include "metronomeflashview.h"

#include <QPainter>

MetronomeFlashView::MetronomeFlashView(QWidget *parent)
    : QWidget(parent)
{}

void MetronomeFlashView::setupSegments(qint64 ticksPerBar, const QColor &color)
{
    m_segmentCount = ticksPerBar > 0 ? ticksPerBar : 1;
    m_color = color;
    m_litSegment = 0;
    update();
}

void MetronomeFlashView::lightSegment(qint64 index)
{
    m_litSegment = index >= 0 && index < m_segmentCount ? index : -1;
    update();
}

QRectF MetronomeFlashView::segmentRect(qint64 index) const
{
    const double segmentWidth = double(width()) / double(m_segmentCount);
    return {double(index) * segmentWidth, 0.0, segmentWidth, double(height())};
}

void MetronomeFlashView::paintEvent(QPaintEvent *)
{
    if (m_litSegment < 0)
        return;
    QPainter painter(this);
    painter.fillRect(segmentRect(m_litSegment), m_color);
}
