// A PDF song on any QPainter: its pages one below the other in view-high slots (two side by side in a wide
// view) on screen, and one page per printed page.
#pragma once

#include "pdfpagecache.h"
#include "printedsong.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>

class QFile;
class QPainter;
class QPdfDocument;

// All lengths are points; the painter handed in is scaled so that one unit is one point, y growing downwards.
// Pages are counted from 0. The document is opened once when the path is set, and pages drawn on screen are
// kept rendered (PDFPageCache), so a repaint renders only pages it has not shown at that size before.
class PDFSongView : public PrintedSong
{
public:
    // One screen-high slot: one page, or two side by side.
    struct PageSlot
    {
        int firstPage = 0;
        int pages = 1;
        bool operator==(const PageSlot &) const = default;
    };

    PDFSongView();
    ~PDFSongView() override;
    PDFSongView(const PDFSongView &) = delete;
    PDFSongView &operator=(const PDFSongView &) = delete;

    const QString &path() const { return m_path; }
    // Opens the file (again, when it is the same path) and drops the rendered pages. A file that cannot be
    // opened is logged and shows as a document without pages.
    void setPath(const QString &path);
    int pageCount() const override;
    // The page's crop box as shown: width and height exchanged for a page turned by 90 or 270 degrees.
    QSizeF pageSize(int page) const;

    // --- Screen ---
    // The visible area of the scroll view the song is shown in: one slot. A new size drops the rendered pages.
    QSizeF viewSize() const { return m_viewSize; }
    void setViewSize(QSizeF size);
    // Pages page and page + 1 share a slot: both portrait (width / height below 0.75) in a wide view
    // (height / width below 0.75).
    bool canShowTwoPages(int page) const;
    // The slots from the first page on; a page of no size gets none, and no slots exist in a view of no size.
    QList<PageSlot> pageSlots() const;
    // The slots times the view's height.
    float heightOfSong() const;
    // Takes the visible size as the view size and answers the view's frame: that width, heightOfSong() high.
    QSizeF adjustFrameForView(QSizeF visibleSize);
    // Fills the dirty rectangle white and draws the pages of the slots that reach into it, each fitted and
    // centred in its slot (or half slot). Nothing at all without a path.
    void drawRect(QPainter &painter, const QRectF &dirty);

    // --- Printing ---
    // One printed page per page of the document, whatever the area.
    void paginate(QSizeF area) override { Q_UNUSED(area); }
    // Draws one page fitted and centred in the printable area (points, the painter's coordinates), rendered at
    // the device's resolution but at most kMaxPrintDpi and kMaxPrintPixels, so memory stays bounded whatever the
    // printer. A page outside the document draws nothing.
    void drawPage(QPainter &painter, int page, const QRectF &area) override;
    static constexpr qreal kMaxPrintDpi = 300;
    static constexpr qint64 kMaxPrintPixels = 3000 * 3000;
    // The pixels a page printed into that many points is rendered with on a device of that resolution.
    static QSize printImageSize(QSizeF points, qreal devicePixelsPerPoint);

    // The largest rectangle of the page's proportions inside the slot, centred in it; empty when either is.
    static QRectF fitPage(QSizeF page, const QRectF &slot);
    // Pages rendered for the screen and kept.
    const PDFPageCache &cache() const { return m_cache; }

private:
    void drawFitted(QPainter &painter, int page, const QRectF &slot);
    // The page rendered into an opaque image of that many pixels, white where the page is transparent.
    QImage renderPage(int page, QSize pixels) const;

    QString m_path;
    std::unique_ptr<QFile> m_file; // opened by the name's own bytes; the document reads it while it lives
    std::unique_ptr<QPdfDocument> m_document;
    QSizeF m_viewSize;
    PDFPageCache m_cache;
};
