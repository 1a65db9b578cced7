// The rows of chord diagrams a printed song carries.
#include "printchordrows.h"

#include "chordgrid.h"
#include "chordview.h"
#include "diagramsettings.h"
#include "instrument.h"
#include "log.h"
#include "prefs.h"
#include "songview.h"

#include <cmath>

void PrintChordRows::calcChordLinesForWidth(const SongView &view, const Prefs &settings, float width,
                                            const QStringList &names)
{
    setChords(view, settings, names);
    calcRowsForWidth(width);
}

void PrintChordRows::setChords(const SongView &view, const Prefs &settings, const QStringList &names)
{
    m_view = &view;
    m_songchordnames = shownNames(view, names);
    m_definedOnly = settings.printOnlyDefinedChords();
    m_perRowSetting = settings.numPrintChordsPerRow();
    m_noRows = !settings.printChords() || names.isEmpty() || DiagramSettings::current().instrument.isKeyboard();
    m_drawable.clear();
    if (m_noRows)
        return;
    m_drawable.reserve(listSize());
    for (qsizetype i = 0; i < listSize(); ++i)
        m_drawable.append(m_definedOnly || chordAt(i).has_value());
}

void PrintChordRows::calcRowsForWidth(float width)
{
    m_chordlines.clear();
    m_perRow = ChordGrid::chordsPerRow(m_perRowSetting, m_view->numColumns());
    Log::write(QStringLiteral("calcChordLinesForWidth for width %1 numColumns %2 numchords %3")
                   .arg(width)
                   .arg(m_view->numColumns())
                   .arg(m_perRow));
    if (m_noRows)
        return;
    const float cell = width / float(m_perRow);
    float height = 1.2f * cell;
    if (m_view->printing())
        height = std::round(height);
    // Rows count drawable chords rather than adding up cell widths, whose float sum can pass the width early.
    int inRow = m_perRow;
    for (qsizetype i = 0; i < m_drawable.size(); ++i) {
        if (!m_drawable[i])
            continue;
        if (inRow == m_perRow) {
            if (!m_chordlines.isEmpty())
                m_chordlines.last().range.length = i - m_chordlines.last().range.location;
            LineInfo row;
            row.chords = true;
            row.range = {i, 0};
            row.height = height;
            m_chordlines.append(row);
            inRow = 0;
        }
        ++inRow;
    }
    if (!m_chordlines.isEmpty())
        m_chordlines.last().range.length = m_drawable.size() - m_chordlines.last().range.location;
}

QStringList PrintChordRows::shownNames(const SongView &view, const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names) {
        const QString respelled = view.respelledChordName(name);
        if (!shown.contains(respelled))
            shown.append(respelled);
    }
    return shown;
}

qsizetype PrintChordRows::listSize() const
{
    return m_definedOnly ? m_view->tempchords().size() : m_songchordnames.size();
}

std::optional<Chord> PrintChordRows::chordAt(qsizetype index) const
{
    if (m_definedOnly)
        return m_view->tempchords().at(index);
    const QString &name = m_songchordnames.at(index);
    std::optional<Chord> chord = m_view->chordForName(name);
    // Titled as the words show it: the library's fingering carries the library's spelling ("Abm" for "G#m").
    if (chord)
        chord->setTitle(name);
    return chord;
}

void PrintChordRows::drawRow(QPainter &painter, const LineInfo &row, float width, float y) const
{
    const qreal cell = width / qreal(m_perRow);
    ChordView diagrams;
    diagrams.setShowTitle(true);
    diagrams.setPrinting(true);
    // Paper is white whatever the desktop's colours.
    diagrams.setForegroundColor(Qt::black);
    diagrams.setBackgroundColor(Qt::white);
    qreal x = 0;
    const qsizetype end = std::min(row.range.location + row.range.length, listSize());
    for (qsizetype i = row.range.location; i < end; ++i) {
        const std::optional<Chord> chord = chordAt(i);
        if (!chord) {
            Log::write(QStringLiteral("Cannot print unknown chord %1 (ignored)").arg(m_songchordnames.at(i)));
            continue;
        }
        diagrams.drawChord(painter, *chord, QRectF(x, y, cell, 1.2 * cell));
        x += cell;
    }
}
