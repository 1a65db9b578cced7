#include "colorwell.h"

#include <QPainter>
#include <QPixmap>

namespace {
const QSize swatchSize(36, 16);
const int checkerSquare = 4;
} // namespace

ColorWell::ColorWell(QWidget *parent)
    : QPushButton(parent)
{
    setIconSize(swatchSize);
    paintSwatch();
}

void ColorWell::setColor(const QColor &color)
{
    m_color = color;
    paintSwatch();
}

void ColorWell::paintSwatch()
{
    QPixmap swatch(swatchSize);
    swatch.fill(Qt::white);
    QPainter painter(&swatch);
    // A checkerboard under the colour, so that a see-through colour looks see-through.
    for (int y = 0; y < swatchSize.height(); y += checkerSquare)
        for (int x = (y / checkerSquare % 2) * checkerSquare; x < swatchSize.width(); x += 2 * checkerSquare)
            painter.fillRect(x, y, checkerSquare, checkerSquare, Qt::lightGray);
    if (m_color.isValid())
        painter.fillRect(swatch.rect(), m_color);
    painter.setPen(Qt::darkGray);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
    setToolTip(m_color.isValid() ? m_color.name(QColor::HexArgb) : QString());
}
