// Chord diagrams drawn on any QPainter: a grid of fretboards (or keyboards with staves for a keyboard
// instrument), single diagrams for song lines and print, chord images, and selection by click.
#pragma once

#include "chord.h"
#include "chordviewdelegate.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>

class QPainter;
struct DiagramSettings;
struct DiagramStyle;

class ChordView
{
public:
    // Strings of the current instrument, three columns, the desktop's text colours.
    ChordView();

    int numstrings() const { return m_numstrings; }
    void setNumstrings(int numstrings) { m_numstrings = numstrings; }
    int numcols() const { return m_numcols; }
    void setNumcols(int numcols) { m_numcols = numcols; }
    // The whole view drawn with foreground and background exchanged.
    bool invert() const { return m_invert; }
    void setInvert(bool invert) { m_invert = invert; }
    // Chord names above fretted diagrams.
    bool showTitle() const { return m_showTitle; }
    void setShowTitle(bool showTitle) { m_showTitle = showTitle; }
    // Dashed frame and a "⚙" on the user's own chords.
    bool markEditableChords() const { return m_markEditableChords; }
    void setMarkEditableChords(bool mark) { m_markEditableChords = mark; }
    // Pale yellow cell and a "D" on chords defined in the song.
    bool markTempChords() const { return m_markTempChords; }
    void setMarkTempChords(bool mark) { m_markTempChords = mark; }
    // A "♥" on favourites.
    bool markFavoriteChords() const { return m_markFavoriteChords; }
    void setMarkFavoriteChords(bool mark) { m_markFavoriteChords = mark; }
    // On paper: no cells are filled behind the diagrams.
    bool printing() const { return m_printing; }
    void setPrinting(bool printing) { m_printing = printing; }
    QColor foregroundColor() const { return m_foregroundColor; }
    void setForegroundColor(const QColor &color) { m_foregroundColor = color; }
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color) { m_backgroundColor = color; }

    // The chords shown, in display order, as fingerings for standard tuning; the view retunes them for
    // the current instrument when it draws them. Layout writes their bounds, clicks their invert flag.
    const QList<Chord> &chords() const { return m_chords; }
    void setChords(const QList<Chord> &chords) { m_chords = chords; }
    // Not owned; nullptr tells nobody.
    ChordViewDelegate *delegate() const { return m_delegate; }
    void setDelegate(ChordViewDelegate *delegate) { m_delegate = delegate; }

    // Lays the chords out in a grid of rect's size from the view's origin, writes each chord's bounds,
    // and returns the size the grid wants (see ChordGrid).
    QSizeF calcChordsBoundsWithRect(const QRectF &rect);
    // Where the laid-out chords draw: their bounds, with the staves below a keyboard chord's keyboard.
    // Unlike the grid's extent it has no empty cell after the last chord. Empty without chords.
    QRectF diagramsRect() const;
    // Fills bounds with the view's ground and draws every chord at its bounds.
    void drawRect(QPainter &painter, const QRectF &bounds) const;
    // Draws one diagram as given, not retuned: callers outside the view pass the fingering to draw
    // (Chords::fingeringToDraw). A keyboard instrument's diagram is its keyboard under the name.
    void drawChord(QPainter &painter, const Chord &chord, const QRectF &bounds) const;

    // A press highlights the first chord under the point, clears the chords before it, and tells the
    // delegate; a press on no chord clears them all. The highlight lasts until the button is released.
    void mouseDown(const QPointF &point);
    // Clears every highlight.
    void mouseUp();

    // Images of bounds' size, one pixel per point, with bounds' origin at the image's origin.
    // One diagram of the chord retuned for the current instrument, inset by a point.
    QImage imageForChord(const Chord &chord, const QRectF &bounds) const;
    // The whole view as drawRect draws it.
    QImage imageWithBounds(const QRectF &bounds) const;
    // The chord's notes on a treble staff, and on a keyboard.
    QImage notesImageForChord(const Chord &chord, const QRectF &bounds) const;
    QImage keyboardImageForChord(const Chord &chord, const QRectF &bounds) const;
    // The width a keyboard of the chord wants within maxWidth.
    qreal keyboardChord(const Chord &chord, qreal maxWidth) const;

    // A titled diagram of the chord retuned for the current instrument, of the size in points: the chord
    // images of the song exports (AppContext::chordImage) and the chord library's image export.
    static QImage chordImage(const Chord &chord, const QSizeF &size);
    // chordImage() as a PNG file, written atomically; false (logged) when it cannot be written.
    static bool writeImageOfSize(const Chord &chord, const QSizeF &size, const QString &path);

private:
    DiagramStyle style() const;
    void drawFretted(QPainter &painter, const Chord &chord, const QRectF &bounds, const DiagramStyle &diagramStyle,
                     const DiagramSettings &settings) const;
    // A keyboard chord in the grid: its keyboard in bounds, its bass and treble staves below.
    void drawKeyboardChord(QPainter &painter, const Chord &chord, const QRectF &bounds) const;
    void drawTitledKeyboard(QPainter &painter, const Chord &chord, const QRectF &bounds,
                            const DiagramStyle &diagramStyle, const DiagramSettings &settings) const;
    template <typename Draw> QImage renderImage(const QRectF &bounds, Draw draw) const;

    int m_numstrings;
    int m_numcols = 3;
    bool m_invert = false;
    bool m_showTitle = false;
    bool m_markEditableChords = false;
    bool m_markTempChords = true;
    bool m_markFavoriteChords = false;
    bool m_printing = false;
    QColor m_foregroundColor;
    QColor m_backgroundColor;
    QList<Chord> m_chords;
    ChordViewDelegate *m_delegate = nullptr;
};
