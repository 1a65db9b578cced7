// A print job of one or several songs (text and PDF) as one document: every song from a new page, all pages
// numbered in one sequence, each page drawn by the song it belongs to.
#pragma once

#include "printedsong.h"
#include "printitem.h"

#include <QList>
#include <QRectF>

#include <memory>
#include <optional>
#include <vector>

class Prefs;
class QPainter;
class QPrinter;

// The job prints with one private copy of the application's live settings (the unstored lyrics-only switch
// included), adjusted for white paper; every print choice (margins, columns, auto-zoom, chord diagrams) is read
// from that copy. Nothing here opens a dialog: the application shows the print dialog and hands the printer in.
class SongsPrintView
{
public:
    // live: the application's settings. shown: what the song pane shows, if anything.
    SongsPrintView(const QList<PrintItem> &items, const std::optional<ShownSong> &shown, const Prefs &live);
    ~SongsPrintView();
    SongsPrintView(const SongsPrintView &) = delete;
    SongsPrintView &operator=(const SongsPrintView &) = delete;

    // The key an item prints in. One song alone that is the one shown prints as shown; otherwise at minus its
    // capo, or, with a playlist key, at that key's distance from the song's own key (replacing the capo's).
    static PrintKey printKey(const PrintItem &item, qsizetype itemCount, const std::optional<ShownSong> &shown);

    const QList<PrintItem> &items() const { return m_items; }
    // The printed form of item index: a SongPrint for a text song, a PDFSongView for a PDF song.
    PrintedSong &songView(qsizetype index) const { return *m_songViews.at(index); }
    // The job's settings.
    const Prefs &prefs() const { return *m_prefs; }

    // Sets the printer's margins, paginates every song in the printable area and answers the number of pages:
    // the job's page range is 1 to that number.
    int knowsPageRange(QPrinter &printer);
    int pageCount() const { return m_pageCount; }
    // The printable area of the last pagination, points.
    const QRectF &printArea() const { return m_area; }
    // Draws page (from 1) with the painter in points at the top-left corner of the printable area.
    void drawPage(QPainter &painter, int page);
    // Paginates and prints the printer's page range (every page when it names none), without any dialog.
    // False, logged, when there is nothing to print or the printer cannot be written.
    bool print(QPrinter &printer);

private:
    std::unique_ptr<PrintedSong> makePrintedSong(const PrintItem &item, const PrintKey &key);

    QList<PrintItem> m_items;
    std::unique_ptr<Prefs> m_prefs;
    std::vector<std::unique_ptr<PrintedSong>> m_songViews;
    QRectF m_area;
    int m_pageCount = 0;
};
