#include "pdfsongwidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPdfDocument>
#include <QScrollArea>

namespace {
// Gap between pages, pixels.
constexpr int pageGap = 8;
} // namespace

PdfSongWidget::PdfSongWidget(QWidget *parent)
    : QWidget(parent)
    , m_document(new QPdfDocument(this))
{}

PdfSongWidget::~PdfSongWidget() = default;

void PdfSongWidget::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_pages.clear();
    m_document->close();
    if (!path.isEmpty())
        m_document->load(path);
}

int PdfSongWidget::pageCount() const
{
    return m_document->status() == QPdfDocument::Status::Ready ? m_document->pageCount() : 0;
}

void PdfSongWidget::adjustFrameForView(QScrollArea &scrollView)
{
    const int width = scrollView.viewport()->width();
    if (width != this->width())
        m_pages.clear();
    resize(width, 0);
    const QList<QRect> rects = pageRects();
    resize(width, std::max(scrollView.viewport()->height(), rects.isEmpty() ? 0 : rects.last().bottom() + pageGap));
}

QList<QRect> PdfSongWidget::pageRects() const
{
    QList<QRect> rects;
    int y = 0;
    for (int page = 0; page < pageCount(); ++page) {
        const QSizeF size = m_document->pagePointSize(page);
        if (size.width() <= 0)
            continue;
        const int height = int(size.height() * width() / size.width());
        rects.append(QRect(0, y, width(), height));
        y += height + pageGap;
    }
    return rects;
}

void PdfSongWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    const QList<QRect> rects = pageRects();
    if (m_pages.size() != rects.size())
        m_pages = QList<QImage>(rects.size());
    for (int page = 0; page < rects.size(); ++page) {
        if (!rects[page].intersects(event->rect()))
            continue;
        const QSize pixels = rects[page].size() * devicePixelRatioF();
        if (m_pages[page].size() != pixels) {
            m_pages[page] = m_document->render(page, pixels);
            m_pages[page].setDevicePixelRatio(devicePixelRatioF());
        }
        painter.drawImage(rects[page].topLeft(), m_pages[page]);
    }
}
