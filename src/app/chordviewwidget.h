// The thin widget around a chord view: paints it with one unit per point and hands it the mouse.
#pragma once

#include "chordview.h"

#include <QWidget>

class ChordViewWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ChordViewWidget(QWidget *parent = nullptr);

    // Owners set its chords and delegate, lay it out for sizeInPoints() and call update().
    ChordView &chordView() { return m_chordView; }
    QSizeF sizeInPoints() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    qreal pointScale() const;

    ChordView m_chordView;
};
