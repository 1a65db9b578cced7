// Text of chord diagrams, measured on a 72-dpi reference so that one unit is one point.
#include "diagramtext.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

const QPaintDevice &referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(72 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

namespace DiagramText {

QFont labelFont(qreal size, bool bold)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(std::max<qreal>(size, 0.1));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

qreal width(const QFont &font, const QString &text)
{
    return QFontMetricsF(font, &referenceDevice()).horizontalAdvance(text);
}

void draw(QPainter &painter, const QFont &font, const QPointF &origin, const QString &text)
{
    QFont scaled = font;
    // The painter's coordinates are points; fonts resolve against the device's resolution.
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 72;
    scaled.setPointSizeF(font.pointSizeF() * 72.0 / dpi);
    painter.save();
    painter.setFont(scaled);
    painter.drawText(origin + QPointF(0, QFontMetricsF(font, &referenceDevice()).ascent()), text);
    painter.restore();
}

} // namespace DiagramText
