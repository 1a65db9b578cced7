// A text song printed: laid out for the columns of the print area, cut into pages, drawn a page at a time.
#pragma once

#include "printchordrows.h"
#include "printedsong.h"
#include "printitem.h"
#include "printpageinfo.h"
#include "printwalk.h"
#include "songview.h"
#include "songviewdelegate.h"

#include <QList>
#include <QRectF>
#include <QStringList>

#include <optional>

class Prefs;

// The song view lays the song out for printing (heights in whole points) with the print job's settings; one
// PrintWalk over the joined lines (the laid-out lines with the chord-diagram rows placed) decides the page, column
// and top of every line, and drawing a page draws exactly the lines the walk put on it. All lengths are points.
class SongPrint : public PrintedSong, public SongViewDelegate
{
public:
    // settings: the print job's copy, which the view draws with and every print choice is read from.
    SongPrint(SongPtr song, const PrintKey &key, Prefs &settings);
    ~SongPrint() override;

    SongPtr songForSongView(const SongView &view) override;

    // Without print auto-zoom: one column, or as many as the widest line allows when several columns are
    // asked for. With it: the zoom and columns that put the song on one page.
    void paginate(QSizeF area) override;
    int pageCount() const override { return int(m_printPages.size()); }
    // Draws the lines the walk put on the page, each at its column and top, with a faint line left of every
    // column after the first.
    void drawPage(QPainter &painter, int page, const QRectF &area) override;

    // Lays the song out in the view's column count and cuts it into pages of the area, honouring page breaks.
    void calcPrintInfosForText(const QString &text, const QRectF &area);
    // Chooses zoom and columns so that the song fits one page, page breaks ignored. A song that cannot be made to
    // fit in ten tries keeps its last try's pages, continued on further pages rather than cut off; a song with
    // nothing to lay out gets no page.
    void calcAutoZoomPrintInfosForText(const QString &text, const QRectF &area);
    // Columns as wide as the widest laid-out line that fit the width less the border on both sides; at least 1.
    int numPrintColumnsForSize(QSizeF size) const;
    static int numPrintColumns(double width, double maxwidth, double border);
    // The index just after the first subtitle line, else after the first title line, else 0.
    static qsizetype indexAfterTitleForLines(const QList<LineInfo> &lines);
    // The chord rows after the title lines when the settings print chords at the top, else after all lines.
    QList<LineInfo> joinLines(const QList<LineInfo> &lines, const QList<LineInfo> &chordlines) const;

    SongView &view() { return m_view; }
    const SongView &view() const { return m_view; }
    const PrintChordRows &chordRows() const { return m_rows; }
    const QList<LineInfo> &joinedLines() const { return m_joined; }
    const QList<PrintWalk::Place> &places() const { return m_walk ? m_walk->places() : m_noPlaces; }
    const QList<PrintPageInfo> &printPages() const { return m_printPages; }

private:
    void layOut(const QString &text, float columnWidth);
    // Lays the song out again at the view's zoom for a try of auto-zoom; chordNames: the names the chord rows
    // hold, updated when the rows must be made again.
    void layOutAgain(const QString &text, float columnWidth, QStringList &chordNames);
    void walk(QSizeF area, bool pageBreaks);
    void clearPages();
    // Column count and zoom of print auto-zoom before the tries: the most columns (4 or 1 to start with) that
    // the song still needs at the zoom that fits them, and that zoom. The chord rows' chords are set; their rows
    // are left made for the columns chosen.
    double searchAutoZoomColumns(QSizeF area, double songHeight, int columns);
    // A walk of auto-zoom's tries puts the song on one page no taller than the height; it logs when the song
    // takes more pages.
    static bool fitsOnePage(const PrintWalk &walk, double pageHeight);
    void drawSeparators(QPainter &painter, int columns, double columnWidth, double pageHeight) const;
    // The titles of the view's chord records, each once, in order of first use.
    QStringList uniqueChordNames() const;

    SongPtr m_song;
    Prefs &m_settings;
    SongView m_view;
    PrintChordRows m_rows;
    QList<LineInfo> m_joined;
    std::optional<PrintWalk> m_walk;
    QList<PrintPageInfo> m_printPages;
    const QList<PrintWalk::Place> m_noPlaces;
};
