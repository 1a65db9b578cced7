// The thin widget around a song view inside a scroll area: fits the song to the visible part, paints it with one
// unit per point, and hands it clicks and the pointer.
#pragma once

#include "songview.h"

#include <QSizeF>
#include <QWidget>

class QScrollArea;

class SongViewWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SongViewWidget(QWidget *parent = nullptr);

    // Owners set its delegate, zoom and display switches, then call adjustFrameForView().
    SongView &songView() { return m_songView; }

    // Lays the song out for the scroll area's visible part, with the columns and (with autozoom) the zoom that
    // fit it, and takes the size the view chose.
    void adjustFrameForView(QScrollArea *scrollArea, bool autozoom);
    // The scroll area's visible part in points, measured as if its vertical scroll bar were shown whenever it
    // may be: the layout width never depends on whether the song happens to scroll, so a fit that makes the
    // scroll bar appear or vanish does not change the width it was made for.
    static QSizeF visibleSize(const QScrollArea &scrollArea, qreal pointScale);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    qreal pointScale() const;

    SongView m_songView;
};
