// The thin widget around a PDF song view.
#include "pdfsongviewwidget.h"

#include "textmetrics.h"

#include <QPaintEvent>
#include <QPainter>

PDFSongViewWidget::PDFSongViewWidget(QWidget *parent)
    : QWidget(parent)
{}

qreal PDFSongViewWidget::pointScale() const
{
    return TextMetrics::pointScale(this);
}

void PDFSongViewWidget::setPath(const QString &path)
{
    m_view.setPath(path);
    update();
}

void PDFSongViewWidget::adjustFrameForView(const QWidget *visibleArea)
{
    const QSizeF frame = m_view.adjustFrameForView(QSizeF(visibleArea->size()) / pointScale());
    resize((frame * pointScale()).toSize());
    update();
}

void PDFSongViewWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const qreal scale = pointScale();
    painter.scale(scale, scale);
    const QRectF dirty(event->rect());
    m_view.drawRect(painter, QRectF(dirty.topLeft() / scale, dirty.size() / scale));
}
