// The thin widget around a PDF song view: sized to its slots in the scroll area, painted one unit per point.
#pragma once

#include "pdfsongview.h"

#include <QWidget>

class PDFSongViewWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PDFSongViewWidget(QWidget *parent = nullptr);

    PDFSongView &pdfSongView() { return m_view; }
    // Shows the PDF file, fitted to the visible area of the scroll area around this widget.
    void setPath(const QString &path);
    // Takes the visible area (a scroll area's viewport) as one slot and takes the height of all slots.
    void adjustFrameForView(const QWidget *visibleArea);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal pointScale() const;

    PDFSongView m_view;
};
