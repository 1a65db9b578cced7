// A button that shows a colour as a swatch, its transparency over a checkerboard; pressing it is its owner's
// business (the owner asks for a new colour).
#pragma once

#include <QColor>
#include <QPushButton>

class ColorWell : public QPushButton
{
    Q_OBJECT

public:
    explicit ColorWell(QWidget *parent = nullptr);

    // An invalid colour shows as an empty swatch.
    const QColor &color() const { return m_color; }
    void setColor(const QColor &color);

private:
    void paintSwatch();

    QColor m_color;
};
