// The song view on screen: its frame, the columns its records are drawn in, and the click areas of the whole song.
#include "songscreen.h"

#include "nullpaintdevice.h"
#include "prefs.h"
#include "songview.h"
#include "songviewdelegate.h"

#include <QPainter>

#include <numeric>

SongScreen::SongScreen(SongView &view)
    : m_view(view)
{}

SongScreen::Key SongScreen::currentKey() const
{
    return {m_view.layoutGeneration(),           m_frame,          m_view.numColumns(), m_view.outerborder(),
            m_view.prefs()->centerNarrowSongs(), m_view.printing()};
}

void SongScreen::updateColumns()
{
    const Key key = currentKey();
    if (m_columnsKey == key)
        return;
    m_columnsKey = key;
    m_columns = ScreenColumns(m_view, m_frame);
}

void SongScreen::updateClickAreas()
{
    if (m_frame.isEmpty() || m_clickAreasKey == currentKey())
        return;
    updateColumns();
    m_clickAreasKey = m_columnsKey;
    collectClickAreas();
}

void SongScreen::collectClickAreas()
{
    m_view.chords().clear();
    m_view.links().clear();
    QList<qsizetype> all(m_columns.records());
    std::iota(all.begin(), all.end(), 0);
    NullPaintDevice device;
    QPainter painter(&device);
    m_view.setLocatingOnly(true);
    drawRecords(painter, all);
    m_view.setLocatingOnly(false);
}

void SongScreen::drawRect(QPainter &painter, const QRectF &dirty)
{
    painter.save();
    const QColor background = m_view.prefs()->textfontprefs()->backgroundColor();
    painter.fillRect(dirty, background.isValid() ? background : QColor(Qt::white));
    if (!m_frame.isEmpty()) {
        updateColumns();
        // The click areas are made for the whole song at once; the records drawn here would add theirs again.
        const qsizetype chords = m_view.chords().size();
        const qsizetype links = m_view.links().size();
        drawRecords(painter, m_columns.recordsIn(dirty));
        m_view.chords().resize(chords);
        m_view.links().resize(links);
        drawSeparators(painter);
    }
    painter.restore();
}

void SongScreen::drawRecords(QPainter &painter, const QList<qsizetype> &records)
{
    SongViewDelegate *delegate = m_view.delegate();
    const SongPtr song = delegate ? delegate->songForSongView(m_view) : SongPtr();
    const QString text = song ? song->text() : QString();
    const QList<LineInfo> &lines = m_view.lines();
    const QTransform base = painter.transform();
    for (qsizetype index : records) {
        const LineInfo &line = lines[index];
        // A song changed behind the view's back until its next layout: never read past its text.
        if (line.range.end() > text.size())
            continue;
        const ColumnFlow::Place &place = m_columns.place(index);
        // Right-to-left text is mirrored inside its column; it is drawn and clicked at the same offset.
        const QPointF origin = m_columns.columnOrigin(place.column);
        m_view.setCurrentOffset(origin);
        painter.setTransform(QTransform::fromTranslate(origin.x(), origin.y()) * base);
        float y = float(place.y);
        m_view.drawLineInfo(text, line, m_columns.columnWidth(), y, &painter);
    }
    painter.setTransform(base);
}

void SongScreen::drawSeparators(QPainter &painter)
{
    QColor color = m_view.prefs()->textfontprefs()->color();
    color.setAlphaF(0.3f);
    painter.setPen(QPen(color, 1.0));
    for (const QLineF &line : m_columns.separators())
        painter.drawLine(line);
}
