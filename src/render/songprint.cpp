// A text song printed: pagination and page drawing over one walk.
#include "songprint.h"

#include "log.h"
#include "prefs.h"

#include <QPainter>

#include <algorithm>

namespace {

QString rectText(const QRectF &rect)
{
    return QStringLiteral("{{%1, %2}, {%3, %4}}").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

constexpr int kAutoZoomTries = 10;

} // namespace

SongPrint::SongPrint(SongPtr song, const PrintKey &key, Prefs &settings)
    : m_song(std::move(song))
    , m_settings(settings)
{
    m_view.setDelegate(this);
    m_view.setPrefs(&settings);
    m_view.setPrinting(true);
    m_view.setOuterborder(0);
    m_view.setTranspose(key.transpose);
    m_view.setAllChordsFlat(key.allChordsFlat);
    m_view.setAllChordsSharp(key.allChordsSharp);
    m_view.setShowChords(!settings.showlyricsonly());
}

SongPrint::~SongPrint() = default;

SongPtr SongPrint::songForSongView(const SongView &view)
{
    Q_UNUSED(view);
    return m_song;
}

void SongPrint::paginate(QSizeF area)
{
    const QRectF bounds(QPointF(), area);
    if (m_settings.printAutoZoom()) {
        calcAutoZoomPrintInfosForText(m_song->text(), bounds);
        return;
    }
    m_view.setZoomScale(1.0f);
    m_view.setNumColumns(1);
    calcPrintInfosForText(m_song->text(), bounds);
    if (!m_settings.printMultiColumns())
        return;
    m_view.setNumColumns(numPrintColumnsForSize(area));
    if (m_view.numColumns() >= 2)
        calcPrintInfosForText(m_song->text(), bounds);
}

void SongPrint::layOut(const QString &text, float columnWidth)
{
    m_view.calcLineInfosForText(text, columnWidth);
    m_rows.calcChordLinesForWidth(m_view, m_settings, columnWidth, uniqueChordNames());
}

void SongPrint::walk(QSizeF area, bool pageBreaks)
{
    m_joined = joinLines(m_view.lines(), m_rows.chordlines());
    m_walk.emplace(m_joined, m_view.numColumns(), area.height(), pageBreaks);
    m_printPages = m_walk->pages(area.width());
}

void SongPrint::clearPages()
{
    m_joined.clear();
    m_walk.reset();
    m_printPages.clear();
}

void SongPrint::calcPrintInfosForText(const QString &text, const QRectF &area)
{
    Log::write(QStringLiteral("calcPrintInfosForText bounds %1").arg(rectText(area)));
    layOut(text, float(area.width() / m_view.numColumns()));
    walk(area.size(), true);
}

void SongPrint::calcAutoZoomPrintInfosForText(const QString &text, const QRectF &area)
{
    Log::write(QStringLiteral("calcAutoZoomPrintInfosForText bounds %1").arg(rectText(area)));
    clearPages();
    m_view.setZoomScale(1.0f);
    m_view.setNumColumns(1);
    m_view.calcLineInfosForText(text, float(area.width()));
    const double songHeight = m_view.heightOfSong();
    if (m_view.maxwidth() == 0 || songHeight == 0)
        return;
    Log::write(QStringLiteral("maxwidth %1").arg(m_view.maxwidth()));
    QStringList chordNames = uniqueChordNames();
    m_rows.setChords(m_view, m_settings, chordNames);
    const double zoom = searchAutoZoomColumns(area.size(), songHeight, m_settings.printMultiColumns() ? 4 : 1);
    // Auto-zoom never enlarges, and keeps a 2 % reserve.
    m_view.setZoomScale(float(std::min(1.0, zoom * 0.98)));
    const int columns = m_view.numColumns();
    const float columnWidth = float(area.width() / columns);
    for (int attempt = 1; attempt <= kAutoZoomTries; ++attempt) {
        Log::write(
            QStringLiteral("Auto zoom printing calculates zoomScale %1, numColumns %2, totalHeightWithChords %3, "
                           "rect size {%4, %5}")
                .arg(m_view.zoomScale())
                .arg(columns)
                .arg(songHeight)
                .arg(area.width())
                .arg(area.height()));
        // At full size in one column the lines laid out above are already the song's lines. Elsewhere the lines
        // laid out last are measured at the zoom where no line can wrap differently: a zoom they show to be too
        // large is passed over (but for the last try, whose pages are kept), and the lines of any other become
        // the song's layout there. Only a song they cannot be measured for is laid out again.
        if (m_view.zoomScale() != 1.0f || columns != 1) {
            std::optional<LinesAtZoom> measured = m_view.linesAtZoom(text, columnWidth);
            if (measured && attempt < kAutoZoomTries &&
                !fitsOnePage(PrintWalk(joinLines(measured->lines, m_rows.chordlines()), columns, area.height(), false),
                             area.height())) {
                m_view.setZoomScale(m_view.zoomScale() * 0.97f);
                continue;
            }
            if (!measured || !m_view.takeLinesAtZoom(text, std::move(*measured)))
                layOutAgain(text, columnWidth, chordNames);
        }
        walk(area.size(), false);
        if (fitsOnePage(*m_walk, area.height()))
            return;
        if (attempt < kAutoZoomTries)
            m_view.setZoomScale(m_view.zoomScale() * 0.97f);
    }
}

bool SongPrint::fitsOnePage(const PrintWalk &walk, double pageHeight)
{
    if (walk.pageCount() > 1) {
        Log::write(QStringLiteral("Autozoom printing would create more than one page"));
        return false;
    }
    const QList<PrintPageInfo> pages = walk.pages(0);
    return pages.isEmpty() || pages.first().rect.height() <= pageHeight;
}

void SongPrint::layOutAgain(const QString &text, float columnWidth, QStringList &chordNames)
{
    m_view.calcLineInfosForText(text, columnWidth);
    // The rows hold the song's chords, which no zoom changes: they are made again only if the names differ.
    if (QStringList names = uniqueChordNames(); names != chordNames) {
        chordNames = std::move(names);
        m_rows.calcChordLinesForWidth(m_view, m_settings, columnWidth, chordNames);
    }
}

double SongPrint::searchAutoZoomColumns(QSizeF area, double songHeight, int columns)
{
    const double border = m_view.outerborder();
    for (;; --columns) {
        m_view.setNumColumns(columns);
        m_rows.calcRowsForWidth(float(area.width() / columns));
        double total = songHeight;
        for (const LineInfo &row : m_rows.chordlines())
            total += row.height;
        const double zoom = std::min((area.height() - 2 * border) * columns / total,
                                     (area.width() / columns - 2 * border) / m_view.maxwidth());
        // Accepted when at that zoom the song would overflow one column fewer.
        if (columns == 1 || total * zoom > (columns - 1) * area.height())
            return zoom;
    }
}

int SongPrint::numPrintColumnsForSize(QSizeF size) const
{
    return numPrintColumns(size.width(), m_view.maxwidth(), m_view.outerborder());
}

int SongPrint::numPrintColumns(double width, double maxwidth, double border)
{
    const double available = width - 2 * border;
    if (maxwidth <= 0 || maxwidth > available)
        return 1;
    return std::max(1, int(available / maxwidth));
}

qsizetype SongPrint::indexAfterTitleForLines(const QList<LineInfo> &lines)
{
    const auto subtitle = std::find_if(lines.begin(), lines.end(), [](const LineInfo &l) { return l.subtitle; });
    if (subtitle != lines.end())
        return subtitle - lines.begin() + 1;
    const auto title = std::find_if(lines.begin(), lines.end(), [](const LineInfo &l) { return l.title; });
    return title != lines.end() ? title - lines.begin() + 1 : 0;
}

QList<LineInfo> SongPrint::joinLines(const QList<LineInfo> &lines, const QList<LineInfo> &chordlines) const
{
    const qsizetype at = m_settings.printChordsAtTop() ? indexAfterTitleForLines(lines) : lines.size();
    QList<LineInfo> joined;
    joined.reserve(lines.size() + chordlines.size());
    joined.append(lines.mid(0, at));
    joined.append(chordlines);
    joined.append(lines.mid(at));
    return joined;
}

void SongPrint::drawPage(QPainter &painter, int page, const QRectF &area)
{
    if (page < 0 || page >= pageCount())
        return;
    const PrintPageInfo &info = m_printPages[page];
    const int columns = std::max(1, m_view.numColumns());
    Log::write(QStringLiteral("SongView print drawRect %1 zoom=%2 numColumns=%3")
                   .arg(rectText(info.rect))
                   .arg(m_view.zoomScale())
                   .arg(columns));
    const double columnWidth = area.width() / columns;
    m_view.chords().clear();
    m_view.links().clear();
    m_view.setHighlight(false);
    const QString &text = m_song->text();
    const QTransform base = painter.transform();
    int lastColumn = 0;
    for (qsizetype i = info.firstLineIndex; i < m_joined.size(); ++i) {
        const PrintWalk::Place &place = places().at(i);
        if (place.page < 0)
            continue;
        if (place.page != page)
            break;
        const LineInfo &line = m_joined[i];
        const QPointF origin(area.x() + place.column * columnWidth, area.y());
        lastColumn = std::max(lastColumn, place.column);
        m_view.setCurrentOffset(origin);
        painter.setTransform(QTransform::fromTranslate(origin.x(), origin.y()) * base);
        float y = float(place.y);
        if (line.chords)
            m_rows.drawRow(painter, line, float(columnWidth), y);
        else
            m_view.drawLineInfo(text, line, float(columnWidth), y, &painter);
    }
    painter.setTransform(QTransform::fromTranslate(area.x(), area.y()) * base);
    drawSeparators(painter, lastColumn + 1, columnWidth, info.rect.height());
    painter.setTransform(base);
}

void SongPrint::drawSeparators(QPainter &painter, int columns, double columnWidth, double pageHeight) const
{
    QColor color = m_settings.textfontprefs()->color();
    if (!color.isValid())
        color = Qt::black;
    color.setAlphaF(0.3f);
    painter.setPen(QPen(color, 1.0));
    for (int column = 1; column < columns; ++column) {
        const double x = column * columnWidth - 2.0;
        painter.drawLine(QPointF(x, 0.1 * pageHeight), QPointF(x, 0.9 * pageHeight));
    }
}

QStringList SongPrint::uniqueChordNames() const
{
    QStringList names;
    for (const Chord &chord : m_view.chords()) {
        if (!names.contains(chord.title()))
            names.append(chord.title());
    }
    return names;
}
