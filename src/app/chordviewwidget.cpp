// The thin widget around a chord view.
#include "chordviewwidget.h"

#include "textmetrics.h"

#include <QMouseEvent>
#include <QPainter>

ChordViewWidget::ChordViewWidget(QWidget *parent)
    : QWidget(parent)
{}

qreal ChordViewWidget::pointScale() const
{
    return TextMetrics::pointScale(this);
}

QSizeF ChordViewWidget::sizeInPoints() const
{
    return QSizeF(size()) / pointScale();
}

void ChordViewWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.scale(pointScale(), pointScale());
    m_chordView.drawRect(painter, QRectF(QPointF(), sizeInPoints()));
}

// Either button selects, so a right click can open the owner's chord menu on the chord under it.
void ChordViewWidget::mousePressEvent(QMouseEvent *event)
{
    m_chordView.mouseDown(event->position() / pointScale());
    update();
}

void ChordViewWidget::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    m_chordView.mouseUp();
    update();
}
