// The rows of chord diagrams a printed song carries: the song's chords, or only those it defines.
#pragma once

#include "chord.h"
#include "lineinfo.h"

#include <QList>
#include <QStringList>

#include <optional>

class Prefs;
class QPainter;
class SongView;

// A row is a LineInfo with its chords flag set, whose range is the first index and count of its entries in the
// chord list and whose height is 1.2 times a cell's width (a whole point while printing). Every row holds the same
// whole number of drawable chords; names without a chord take no cell.
class PrintChordRows
{
public:
    // Rebuilds the rows for a column of the width (points) of a view whose song is laid out. names: the song's
    // chord names in order of first use; the rows hold them spelled as the view shows them, each once. Rows are made
    // when settings ask for printed chords, the song has chord names and the instrument is not a keyboard.
    void calcChordLinesForWidth(const SongView &view, const Prefs &settings, float width, const QStringList &names);
    // The two halves of the above, for a song whose rows are tried at several widths: the chord list, with each
    // entry's diagram looked up once, then the rows for a column of the width at the view's column count.
    void setChords(const SongView &view, const Prefs &settings, const QStringList &names);
    void calcRowsForWidth(float width);

    const QList<LineInfo> &chordlines() const { return m_chordlines; }
    const QStringList &songchordnames() const { return m_songchordnames; }
    // Diagrams per row: the settings' chords per printed row shared among the columns, at least one.
    int chordsPerRow() const { return m_perRow; }

    // Draws a row in a column of the width with its top at y: its chords side by side from the left.
    void drawRow(QPainter &painter, const LineInfo &row, float width, float y) const;

private:
    static QStringList shownNames(const SongView &view, const QStringList &names);
    qsizetype listSize() const;
    // The diagram of entry index of the chord list; none for a name without a chord.
    std::optional<Chord> chordAt(qsizetype index) const;

    const SongView *m_view = nullptr;
    QList<LineInfo> m_chordlines;
    QStringList m_songchordnames;
    // Per entry of the chord list: it has a diagram, so it takes a cell.
    QList<bool> m_drawable;
    bool m_definedOnly = false;
    // No rows at all: the settings print no chords, the song has none, or the instrument is a keyboard.
    bool m_noRows = true;
    int m_perRowSetting = 1;
    int m_perRow = 1;
};
