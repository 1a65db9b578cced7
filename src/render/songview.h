// The song view's layout side: a song's text laid out into line records, and the one operation per line kind
// that measures a line (no painter) or draws it (a painter) with the same decisions. No widget.
#pragma once

#include "chord.h"
#include "lineinfo.h"
#include "linesatzoom.h"
#include "linkinfo.h"
#include "pauseinfo.h"
#include "song.h"
#include "songscreen.h"
#include "textmetrics.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

class FontPrefs;
class GridCell;
class Prefs;
class QPainter;
class SongViewDelegate;
struct DirectiveOwner;
struct ChordDisplayOptions;

// All lengths are points (1/72 in): a painter handed in is already scaled so that one unit is one point,
// translated to the top-left corner of the column being drawn, with y growing downwards. A line's y is its top.
// Right-to-left songs mirror x as the column width less x less the width of the item.
//
// Settings come from two places: fonts and layout options from the view's own prefs() (a private copy for
// printing and for the settings preview), while the chord display flags, the current user and instrument and
// the song folder always come from the application's settings (AppContext::instance()->prefs()).
class SongView
{
public:
    SongView();
    ~SongView();
    SongView(const SongView &) = delete;
    SongView &operator=(const SongView &) = delete;

    // --- Layout ---
    // Lays the text of the delegate's song out for a width (points, the whole width before the border) at the
    // view's zoom: rebuilds lines(), tempchords(), pauses(), the chord hit records and the widest line and title.
    void calcLineInfosForText(const QString &text, float width);
    // The sum of all record heights plus the border above and below.
    float heightOfSong() const;
    // The records of the last layout with the heights that laying the text out again at the view's zoom for the
    // width would give them, found without laying it out; none when only a new layout can tell (a line broken
    // over records or a tab line cut at the column's edge, a grid row, a line that might not fit the width). The
    // view keeps its last layout.
    std::optional<LinesAtZoom> linesAtZoom(const QString &text, float width);
    // Makes lines that linesAtZoom measured at the view's zoom its layout of the text, the one a layout there
    // would make, but for maxwidth(), which is only bounded: the records, their heights, the fonts, the widest
    // title and the pauses. False, the view unchanged, when the view's zoom or layout is another or when drawing
    // needs the widest line's exact width (a shaded chorus).
    bool takeLinesAtZoom(const QString &text, LinesAtZoom measured);

    // --- On screen (a thin widget shows the view; sizes in points, positions in view coordinates) ---
    // Lays the song out for the visible size of the view's scroll area, chooses its columns and, with autozoom,
    // the zoom that shows the whole song, and sizes the view (frameSize). A visible width of 0 changes nothing.
    void adjustFrameForView(QSizeF visibleSize, bool autozoom);
    // The view's size: the visible width, and the visible height or, in one scrolling column, the song's height.
    QSizeF frameSize() const { return m_screen.frameSize(); }
    void setFrameSize(QSizeF size) { m_screen.setFrameSize(size); }
    // The columns the current records get in a view of the size.
    int numColumnsForSize(QSizeF size) const;
    // Sets zoomScale() and numColumns() so that the song, measured at zoom 1, fills up to four columns.
    void autoZoomForSize(QSizeF size);
    // The y of a record: the sum of the heights of those before it (without the border).
    float yForLine(qint64 line) const;
    // The record that shows the character at the index of the song text.
    qint64 lineForCursorPos(quint64 position) const;
    // Draws the records that reach into the dirty rectangle, in columns, on the painter (one unit one point).
    void drawRect(QPainter &painter, const QRectF &dirty);
    // The pause mark at a scroll position, for auto-scroll.
    std::optional<PauseInfo> pauseForPosition(double y) const;
    // A click: a chord goes to the delegate, a link is opened.
    void mouseDown(QPointF point);
    // A chord or a link lies under the point (the pointer becomes a pointing hand).
    bool isClickableAt(QPointF point);
    // The chord names drawn at or below y, each once, respelled with flats or sharps as the view asks.
    QStringList uniqueChordNamesFromPositionY(float y);
    // All chord names of the song, each once, as drawn.
    QStringList uniqueChordNames();
    // The heights of the records, in order.
    QList<double> lineHeights() const;
    // Counts layouts, so that what is made from a layout knows when it is out of date.
    quint64 layoutGeneration() const { return m_layoutGeneration; }

    // --- One line: measured when painter is null, drawn otherwise ---
    // Each takes the song's whole text, the record's range, the column width and the line's top y, which it
    // moves down by the line's height; it returns the part of the range it consumed.
    TextRange drawTitle(const QString &text, TextRange range, float width, float &y, QPainter *painter);
    TextRange drawSubTitle(const QString &text, TextRange range, float width, float &y, QPainter *painter);
    // A lyric line with its chords above or in-line, comments, highlights and links; consumes the words
    // that fit (of a first word wider than the column, the part that fits).
    TextRange drawLine(const QString &text, TextRange range, float width, float &y, bool chorusMode, QPainter *painter);
    // Consumes the characters that fit.
    TextRange drawTabLine(const QString &text, TextRange range, float width, float &y, QPainter *painter);
    // Measuring fills cells (their text, kind and width); drawing draws them, wrapping where they do not fit.
    TextRange drawGridLine(const QString &text, QList<GridCell> &cells, TextRange range, float width, float &y,
                           QPainter *painter);
    void drawImage(const QImage &image, float width, float &y, QPainter *painter);
    // Draws one record with the operation of its kind, in the drawing state the layout recorded at its start,
    // so that any record can be drawn on its own. Screen drawing and printing both draw through this.
    void drawLineInfo(const QString &text, const LineInfo &line, float width, float &y, QPainter *painter);

    // --- Chord names ---
    // The text drawn for a (transposed) chord name: respelled with flats or sharps as the view asks, then in
    // Latin or German naming as the application's settings ask.
    // The name respelled all-flat or all-sharp as asked, still in letter names.
    QString respelledChordName(const QString &name) const;
    QString displayChordName(const QString &name) const;
    // The name as drawn: transposed by transpose() when it is a valid chord name.
    QString transposedChordName(const QString &name) const;
    // The accidental a transposition favours: 'b', '#', or none when the song is not transposed or is a tab song.
    QChar favoredTransposeChar() const;
    // The chord to draw as a diagram: the song's own definition first, then the chord library's first
    // fingering of the name in the current tuning.
    std::optional<Chord> chordForName(const QString &name) const;
    // The song's temporary chord of exactly that title.
    std::optional<Chord> tempChordForTitle(const QString &name) const;

    // --- The records of the last layout ---
    const QList<LineInfo> &lines() const { return m_lines; }
    // Chords defined inside the song, each marked temporary.
    const QList<Chord> &tempchords() const { return m_tempchords; }
    const QList<PauseInfo> &pauses() const { return m_pauses; }
    // Chord hit records: title = the name as drawn, bounds in view coordinates (empty when only measured).
    const QList<Chord> &chords() const { return m_chords; }
    QList<Chord> &chords() { return m_chords; }
    const QList<LinkInfo> &links() const { return m_links; }
    QList<LinkInfo> &links() { return m_links; }
    float widthForLines() const { return m_widthForLines; }
    // Width of the widest laid-out line, image or grid row; after takeLinesAtZoom, a width no line exceeds.
    float maxwidth() const { return m_maxwidth; }
    // Width of the widest title or subtitle.
    float titlewidth() const { return m_titlewidth; }
    // The title's font scale (a multiple of the text size), which the subtitle follows.
    float titlefontsize() const { return m_titlefontsize; }
    bool isTab() const { return m_isTab; }
    bool rightToLeft() const { return m_rightToLeft; }
    bool inlinechords() const { return m_inlinechords; }
    // (48, 60), or (60, 90) with large chord diagrams.
    QSizeF chordDiagramSize() const { return m_chordDiagramSize; }

    // --- What the owners set ---
    SongViewDelegate *delegate() const { return m_delegate; }
    void setDelegate(SongViewDelegate *delegate) { m_delegate = delegate; }
    // The settings this view draws with; the application's unless an owner gives a copy of its own.
    Prefs *prefs() const;
    void setPrefs(Prefs *prefs) { m_prefs = prefs; }
    float zoomScale() const { return m_zoomScale; }
    void setZoomScale(float zoomScale) { m_zoomScale = zoomScale; }
    // Semitones added to every chord drawn.
    int transpose() const { return m_transpose; }
    void setTranspose(int transpose) { m_transpose = transpose; }
    int numColumns() const { return m_numColumns; }
    void setNumColumns(int numColumns) { m_numColumns = numColumns; }
    bool showChords() const { return m_showChords; }
    void setShowChords(bool showChords) { m_showChords = showChords; }
    bool showLyrics() const { return m_showLyrics; }
    void setShowLyrics(bool showLyrics) { m_showLyrics = showLyrics; }
    bool allChordsFlat() const { return m_allChordsFlat; }
    void setAllChordsFlat(bool allChordsFlat) { m_allChordsFlat = allChordsFlat; }
    bool allChordsSharp() const { return m_allChordsSharp; }
    void setAllChordsSharp(bool allChordsSharp) { m_allChordsSharp = allChordsSharp; }
    // Border around the song on every side, in points.
    float outerborder() const { return m_outerborder; }
    void setOuterborder(float outerborder) { m_outerborder = outerborder; }
    // Drawing for paper: heights rounded to whole points, no chord click areas, black link underlines.
    bool printing() const { return m_printing; }
    void setPrinting(bool printing) { m_printing = printing; }

    // --- Drawing state, kept by the screen and print drawing ---
    // Added to drawn rectangles to turn column coordinates into view coordinates.
    QPointF currentOffset() const { return m_currentOffset; }
    void setCurrentOffset(QPointF offset) { m_currentOffset = offset; }
    // Drawing is inside a highlight section, and its background.
    bool highlight() const { return m_highlight; }
    void setHighlight(bool highlight) { m_highlight = highlight; }
    const QColor &highlightcolor() const { return m_highlightcolor; }
    void setHighlightcolor(const QColor &color) { m_highlightcolor = color; }
    // Drawing only to find the click areas: every record is drawn with the same decisions and records its areas,
    // but no text or chord diagram reaches the painter, since shaping text is nearly all that drawing costs.
    bool locatingOnly() const { return m_locatingOnly; }
    void setLocatingOnly(bool locatingOnly) { m_locatingOnly = locatingOnly; }

    // --- Fonts at the view's zoom, set by the layout ---
    const QFont &textfont() const { return m_textfont; }
    const QFont &chordfont() const { return m_chordfont; }
    const QFont &commentfont() const { return m_commentfont; }
    const QFont &tabfont() const { return m_tabfont; }
    const QFont &highlightfont() const { return m_highlightfont; }
    // The settings' fonts at the zoom. Their metrics take widths from the fonts at zoom 1, so that laying a song
    // out at another zoom shapes none of its words again.
    void setFonts(const FontPrefs &text, const FontPrefs &chord, const FontPrefs &comment, const FontPrefs &tab,
                  const FontPrefs &highlight, float zoom);
    // Looks up the settings' song fonts and what measuring text in them needs once, on this thread, so that the
    // first song shown is laid out as fast as the next. For idle time at start-up.
    static void prepareFonts();

private:
    friend class GridLine;
    friend class LyricLine;
    friend class SongLayout;
    friend class TabLine;
    friend class TitleLine;

    // Settings that always come from the application, whatever the view's own prefs.
    const Prefs &appPrefs() const;
    DirectiveOwner directiveOwner() const;
    ChordDisplayOptions chordDisplayOptions() const;
    SongPtr song() const;
    // A valid chord name that the chord library knows: in tab songs such words are drawn as chords.
    bool isRealChord(const QString &word) const;
    void raiseMaxwidth(float width);
    // The x of an item of the width in a column of the width, mirrored in right-to-left text.
    qreal mirroredX(qreal x, qreal itemWidth, qreal columnWidth) const;
    // A rectangle in column coordinates as a rectangle in view coordinates.
    QRectF viewRect(const QRectF &rect) const { return rect.translated(m_currentOffset); }
    // A chord hit record for a valid chord name or Nashville number; bounds may be empty.
    void addChordHit(const QString &name, const QRectF &bounds);
    // The painter the lines draw their text on: none while locating, which draws no text.
    QPainter *textPainter(QPainter *painter) const { return m_locatingOnly ? nullptr : painter; }

    QList<LineInfo> m_lines;
    quint64 m_layoutGeneration = 0;
    QList<Chord> m_tempchords;
    QList<PauseInfo> m_pauses;
    QList<Chord> m_chords;
    QList<LinkInfo> m_links;
    float m_widthForLines = 0;
    float m_zoomScale = 1.0f;
    int m_transpose = 0;
    float m_maxwidth = 0;
    float m_titlewidth = 0;
    int m_numColumns = 1;
    float m_titlefontsize = 0;
    QPointF m_currentOffset;
    bool m_highlight = false;
    bool m_inlinechords = false;
    bool m_showChords = true;
    bool m_showLyrics = true;
    bool m_allChordsFlat = false;
    bool m_allChordsSharp = false;
    bool m_isTab = false;
    bool m_rightToLeft = false;
    bool m_printing = false;
    bool m_locatingOnly = false;
    float m_outerborder = 7.0f;
    SongViewDelegate *m_delegate = nullptr;
    Prefs *m_prefs = nullptr;
    QColor m_highlightcolor;
    QSizeF m_chordDiagramSize;

    QFont m_textfont, m_chordfont, m_commentfont, m_tabfont, m_highlightfont;
    // Metrics of the fonts above, made once per layout rather than once per word.
    TextMetrics m_textMetrics, m_chordMetrics, m_commentMetrics, m_tabMetrics, m_highlightMetrics;

    // Frame, columns and click areas on screen; made from the fields above.
    SongScreen m_screen{*this};
};
