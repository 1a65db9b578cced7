// A song view fitted to a frame and drawn there.
#include "screenfixture.h"

#include "textmetrics.h"

#include <QPainter>

void ScreenFixture::show(const QString &songText, QSizeF visible, bool autozoom)
{
    text = songText;
    song = std::make_shared<Song>();
    song->setText(text);
    view.adjustFrameForView(visible, autozoom);
}

void ScreenFixture::drawOn(RecordingPaintDevice &device, const QRectF &dirty)
{
    QPainter painter(&device);
    view.drawRect(painter, dirty.isEmpty() ? QRectF(QPointF(), view.frameSize()) : dirty);
}

QPointF ScreenFixture::middleOf(const RecordingPaintDevice::Text &drawn)
{
    const TextMetrics metrics(drawn.font);
    return {drawn.baseline.x() + metrics.width(drawn.text) / 2, topOf(drawn) + metrics.height() / 2};
}

qreal ScreenFixture::topOf(const RecordingPaintDevice::Text &drawn)
{
    return drawn.baseline.y() - TextMetrics(drawn.font).ascent();
}
