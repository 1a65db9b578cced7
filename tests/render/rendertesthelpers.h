// Small helpers for the render tests: a 72-dpi canvas and coarse ink counts.
#pragma once

#include <QImage>
#include <QRectF>

// A white image of the given size in points, one pixel per point.
QImage pointCanvas(int width, int height, const QColor &fill = Qt::white);
// Pixels inside rect (clipped to the image) that differ clearly from the given colour.
int inkIn(const QImage &image, const QRectF &rect, const QColor &ground = Qt::white);
