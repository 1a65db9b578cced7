// Shows a PDF song's pages one below the other, each fitted to the pane's width. A stand-in for the PDF song view
// that the printing code brings, kept to what the song pane calls.
#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

class QPdfDocument;
class QScrollArea;

class PdfSongWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PdfSongWidget(QWidget *parent = nullptr);
    ~PdfSongWidget() override;

    // The PDF file to show; a file that cannot be opened shows nothing.
    void setPath(const QString &path);
    // Takes the scroll area's viewport width and the height of all pages at that width.
    void adjustFrameForView(QScrollArea &scrollView);
    int pageCount() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Page rectangles at the current width, top to bottom.
    QList<QRect> pageRects() const;

    QPdfDocument *m_document;
    QString m_path;
    // Rendered pages at the current width, so a repaint does not render again.
    QList<QImage> m_pages;
};
