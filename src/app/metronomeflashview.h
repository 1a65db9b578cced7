// The metronome's flash strip: one segment per beat of the bar, of which the current beat's lights up in the flash
// colour. Segments are W / n wide without rounding, so they fill the strip at any width.
#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

class MetronomeFlashView : public QWidget
{
public:
    explicit MetronomeFlashView(QWidget *parent = nullptr);

    // One segment per beat (one for the whole strip when the bar has no beats), in this colour; segment 0 lit.
    void setupSegments(qint64 ticksPerBar, const QColor &color);
    // Lights that segment alone; an index outside the strip lights none.
    void lightSegment(qint64 index);

    qint64 segmentCount() const { return m_segmentCount; }
    // The lit segment; -1 when none is.
    qint64 litSegment() const { return m_litSegment; }
    const QColor &color() const { return m_color; }
    QRectF segmentRect(qint64 index) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint64 m_segmentCount = 1;
    qint64 m_litSegment = 0;
    QColor m_color;
};
