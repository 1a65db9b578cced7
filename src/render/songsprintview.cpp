// A print job of one or several songs as one document.
#include "songsprintview.h"

#include "log.h"
#include "pdfsong.h"
#include "pdfsongview.h"
#include "prefs.h"
#include "printmargins.h"
#include "songprint.h"
#include "textmetrics.h"

#include <QPainter>
#include <QPrinter>

SongsPrintView::SongsPrintView(const QList<PrintItem> &items, const std::optional<ShownSong> &shown, const Prefs &live)
    : m_items(items)
    , m_prefs(live.copy())
{
    m_prefs->adjustColorsForPrinting();
    for (const PrintItem &item : m_items)
        m_songViews.push_back(makePrintedSong(item, printKey(item, m_items.size(), shown)));
}

SongsPrintView::~SongsPrintView() = default;

PrintKey SongsPrintView::printKey(const PrintItem &item, qsizetype itemCount, const std::optional<ShownSong> &shown)
{
    if (itemCount == 1 && shown && shown->song == item.song)
        return shown->key;
    PrintKey key;
    if (item.playlistKey && !item.playlistKey->isEmpty())
        key.transpose = item.song->deltaForTransposeKey(*item.playlistKey);
    else
        key.transpose = int(-item.song->capo());
    return key;
}

std::unique_ptr<PrintedSong> SongsPrintView::makePrintedSong(const PrintItem &item, const PrintKey &key)
{
    if (dynamic_cast<const PDFSong *>(item.song.get())) {
        auto view = std::make_unique<PDFSongView>();
        view->setPath(item.song->path());
        return view;
    }
    return std::make_unique<SongPrint>(item.song, key, *m_prefs);
}

int SongsPrintView::knowsPageRange(QPrinter &printer)
{
    PrintMargins::setPrintMarginsForOddPage(printer, *m_prefs, true);
    m_area = PrintMargins::printArea(printer);
    m_pageCount = 0;
    for (const auto &song : m_songViews) {
        song->paginate(m_area.size());
        m_pageCount += song->pageCount();
    }
    return m_pageCount;
}

void SongsPrintView::drawPage(QPainter &painter, int page)
{
    int before = 0;
    for (const auto &song : m_songViews) {
        const int pages = song->pageCount();
        if (page <= before + pages) {
            song->drawPage(painter, page - before - 1, QRectF(QPointF(), m_area.size()));
            return;
        }
        before += pages;
    }
}

bool SongsPrintView::print(QPrinter &printer)
{
    const int total = knowsPageRange(printer);
    if (total == 0) {
        Log::write(QStringLiteral("Nothing to print"));
        return false;
    }
    const int first = std::clamp(printer.fromPage(), 1, total);
    const int last = printer.toPage() > 0 ? std::clamp(printer.toPage(), first, total) : total;
    QPainter painter;
    if (!painter.begin(&printer)) {
        Log::write(QStringLiteral("Cannot print to %1").arg(printer.outputFileName()));
        return false;
    }
    const qreal scale = TextMetrics::pointScale(&printer);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        painter.save();
        painter.scale(scale, scale);
        drawPage(painter, page);
        painter.restore();
    }
    return painter.end();
}
