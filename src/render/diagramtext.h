// Text of chord diagrams: the label font, measuring in points and drawing from a top-left origin.
#pragma once

#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

namespace DiagramText {

// The system font at the given size in points.
QFont labelFont(qreal size, bool bold = false);
qreal width(const QFont &font, const QString &text);
// Draws text whose top-left corner is at origin.
void draw(QPainter &painter, const QFont &font, const QPointF &origin, const QString &text);

} // namespace DiagramText
