// A PDF song on any QPainter: screen slots and printed pages.
#include "pdfsongview.h"

#include "filepath.h"
#include "log.h"

#include <QFile>
#include <QLineF>
#include <QPainter>
#include <QPdfDocument>

#include <cmath>

namespace {

// Device pixels per unit of the painter's coordinates (its scale, whatever rotation it holds).
qreal devicePixelsPerPoint(const QPainter &painter)
{
    const QTransform &transform = painter.deviceTransform();
    return QLineF(transform.map(QPointF(0, 0)), transform.map(QPointF(1, 0))).length();
}

QSize pixelsFor(QSizeF points, qreal pixelsPerPoint)
{
    return QSize(std::max(1, qRound(points.width() * pixelsPerPoint)),
                 std::max(1, qRound(points.height() * pixelsPerPoint)));
}

} // namespace

PDFSongView::PDFSongView()
    : m_document(std::make_unique<QPdfDocument>())
{}

PDFSongView::~PDFSongView() = default;

void PDFSongView::setPath(const QString &path)
{
    m_path = path;
    m_cache.clear();
    m_document->close();
    m_file.reset();
    if (path.isEmpty())
        return;
    m_file = std::make_unique<QFile>();
    QString error;
    if (!FilePath::openForReading(path, *m_file, &error)) {
        Log::write(QStringLiteral("Cannot open PDF %1: %2").arg(path, error));
        return;
    }
    m_document->load(m_file.get());
    if (m_document->status() != QPdfDocument::Status::Ready)
        Log::write(QStringLiteral("Cannot open PDF %1 (error %2)").arg(path).arg(int(m_document->error())));
}

int PDFSongView::pageCount() const
{
    return m_document->status() == QPdfDocument::Status::Ready ? m_document->pageCount() : 0;
}

// The PDF library already reports the page turned by its rotation, which is what the slots must fit.
QSizeF PDFSongView::pageSize(int page) const
{
    if (page < 0 || page >= pageCount())
        return {};
    return m_document->pagePointSize(page);
}

void PDFSongView::setViewSize(QSizeF size)
{
    if (size == m_viewSize)
        return;
    m_viewSize = size;
    m_cache.clear();
}

bool PDFSongView::canShowTwoPages(int page) const
{
    const auto portrait = [](QSizeF size) { return size.height() > 0 && size.width() / size.height() < 0.75; };
    return page + 1 < pageCount() && m_viewSize.width() > 0 && m_viewSize.height() / m_viewSize.width() < 0.75 &&
           portrait(pageSize(page)) && portrait(pageSize(page + 1));
}

QList<PDFSongView::PageSlot> PDFSongView::pageSlots() const
{
    QList<PageSlot> result;
    if (m_viewSize.isEmpty())
        return result;
    const int count = pageCount();
    for (int page = 0; page < count;) {
        if (pageSize(page).isEmpty()) {
            ++page;
            continue;
        }
        const int pages = canShowTwoPages(page) ? 2 : 1;
        result.append({page, pages});
        page += pages;
    }
    return result;
}

float PDFSongView::heightOfSong() const
{
    return float(pageSlots().size() * m_viewSize.height());
}

QSizeF PDFSongView::adjustFrameForView(QSizeF visibleSize)
{
    setViewSize(visibleSize);
    return QSizeF(visibleSize.width(), heightOfSong());
}

QRectF PDFSongView::fitPage(QSizeF page, const QRectF &slot)
{
    if (page.isEmpty() || slot.isEmpty())
        return {};
    const qreal zoom = std::min(slot.width() / page.width(), slot.height() / page.height());
    QRectF fitted(QPointF(), page * zoom);
    fitted.moveCenter(slot.center());
    return fitted;
}

void PDFSongView::drawRect(QPainter &painter, const QRectF &dirty)
{
    if (m_path.isEmpty())
        return;
    painter.fillRect(dirty, Qt::white);
    const qreal slotHeight = m_viewSize.height();
    const QList<PageSlot> slots = pageSlots();
    for (qsizetype index = 0; index < slots.size(); ++index) {
        const QRectF slot(0, index * slotHeight, m_viewSize.width(), slotHeight);
        if (!slot.intersects(dirty))
            continue;
        const PageSlot &pages = slots[index];
        const qreal width = slot.width() / pages.pages;
        for (int i = 0; i < pages.pages; ++i)
            drawFitted(painter, pages.firstPage + i, QRectF(slot.x() + i * width, slot.y(), width, slotHeight));
    }
}

void PDFSongView::drawFitted(QPainter &painter, int page, const QRectF &slot)
{
    const QRectF target = fitPage(pageSize(page), slot);
    if (target.isEmpty())
        return;
    const QSize pixels = pixelsFor(target.size(), devicePixelsPerPoint(painter));
    painter.drawImage(target, m_cache.page(page, pixels, [this](int p, QSize s) { return renderPage(p, s); }));
}

void PDFSongView::drawPage(QPainter &painter, int page, const QRectF &area)
{
    const QRectF target = fitPage(pageSize(page), area);
    if (target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, renderPage(page, printImageSize(target.size(), devicePixelsPerPoint(painter))));
    painter.restore();
}

QSize PDFSongView::printImageSize(QSizeF points, qreal devicePixelsPerPoint)
{
    qreal pixelsPerPoint = std::min(devicePixelsPerPoint, kMaxPrintDpi / 72.0);
    const qreal pixelCount = points.width() * points.height() * pixelsPerPoint * pixelsPerPoint;
    if (pixelCount > kMaxPrintPixels)
        pixelsPerPoint *= std::sqrt(kMaxPrintPixels / pixelCount);
    // Rounded down, so the cap holds.
    return QSize(std::max(1, int(points.width() * pixelsPerPoint)), std::max(1, int(points.height() * pixelsPerPoint)));
}

QImage PDFSongView::renderPage(int page, QSize pixels) const
{
    QImage opaque(pixels, QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, m_document->render(page, pixels));
    return opaque;
}
