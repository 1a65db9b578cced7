#include "rendertesthelpers.h"

#include <QColor>

#include <cstdlib>

QImage pointCanvas(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = qRound(72 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(fill);
    return image;
}

int inkIn(const QImage &image, const QRectF &rect, const QColor &ground)
{
    const QRect area = rect.toAlignedRect() & image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int difference = std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green()) +
                                   std::abs(c.blue() - ground.blue());
            if (difference > 96)
                ++count;
        }
    return count;
}
