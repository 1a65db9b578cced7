// A paint device that records what is drawn on it: text with its baseline, filled rectangles, lines, paths and
// images, in the device's coordinates (one unit = one point). Tests check drawing decisions on it.
#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <memory>

class RecordingPaintDevice : public QPaintDevice
{
public:
    struct Text
    {
        QString text;
        QPointF baseline; // the start of the baseline
        QFont font;
        QColor color;
    };
    struct Fill
    {
        QRectF rect;
        QColor color;
    };

    RecordingPaintDevice();
    ~RecordingPaintDevice() override;

    QPaintEngine *paintEngine() const override;

    QList<Text> texts;
    QList<Fill> fills;
    QList<QLineF> lines;
    QList<QRectF> images;
    // Bounding rectangles of the paths drawn (outlines, dots).
    QList<QRectF> paths;

    // The texts drawn, joined by blanks.
    QString joinedText() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<QPaintEngine> m_engine;
};
