// A song view fitted to a frame and drawn there, with a delegate that records the chords clicked.
#pragma once

#include "recordingpainter.h"
#include "songfixture.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class ScreenFixture : public SongFixture
{
protected:
    struct ShownChord
    {
        QString name;
        QRectF rect;
    };

    void showChords(const QString &name, const QRectF &rect) override { shownChords.append({name, rect}); }

    // Fits a song of the text to a view whose visible part has the size (points).
    void show(const QString &songText, QSizeF visible, bool autozoom = false);
    // Draws the dirty rectangle, the whole frame when it is empty, on the recording device.
    void drawOn(RecordingPaintDevice &device, const QRectF &dirty = QRectF());
    // The middle of a drawn text, in view coordinates.
    static QPointF middleOf(const RecordingPaintDevice::Text &drawn);
    // The top of a drawn text, in view coordinates.
    static qreal topOf(const RecordingPaintDevice::Text &drawn);

    QList<ShownChord> shownChords;
};
