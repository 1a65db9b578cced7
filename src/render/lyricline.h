// One lyric line of a song: words with their chords (above the lyrics or in-line), in-line comments,
// highlights and links, measured (no painter) or drawn with the same decisions.
#pragma once

#include "lineclassifier.h"
#include "song.h"
#include "textbatch.h"

#include <QColor>
#include <QFont>
#include <QList>

#include <QRectF>
#include <QString>

class Prefs;
class QPainter;
class SongView;
class TextMetrics;

class LyricLine
{
public:
    // width is the column width; painter null measures.
    LyricLine(SongView &view, const QString &text, float width, QPainter *painter);

    // Lays out the words of the range that fit the width (of a first word wider than the column, the part that
    // fits, broken between characters) and moves y down by the
    // line's height; returns the part of the range consumed.
    TextRange draw(TextRange range, float &y, bool chorusMode);
    // The rows of the line last drawn: a chord row above its words, a row of words.
    bool hasChordRow() const { return m_chordRow; }
    bool hasWordRow() const { return m_wordRow; }
    // The height draw gives a line of those rows from a top of 0, at the view's zoom.
    static float heightOfRows(const SongView &view, bool chordRow, bool wordRow);
    // A chorus is drawn as a shade as wide as the song's widest line.
    static bool chorusSpansWidestLine(const Prefs &prefs);

private:
    // What the walk through a word is inside of.
    enum class WordState { Lyrics, Chord, Comment, Directive };
    // Where the walk through a line stands: the lyric and chord x positions, and what the words drew.
    struct Pen
    {
        float x = 0;
        float chordX = 0;
        bool hasLyrics = false;
        bool hasComment = false;
    };
    // What a word may change in the view, put back when a word measured on trial does not fit, or before it
    // is drawn for real.
    struct ViewState
    {
        bool highlight;
        QColor highlightcolor;
        qsizetype chordCount;
        qsizetype linkCount;
    };

    static float chordRowHeight(const SongView &view);
    float spaceWidth() const;
    bool overflows(const Pen &pen) const;
    // Where a word may be broken: between grapheme clusters of its lyrics, never inside a chord or a
    // directive, and never between a chord and its syllable. Positions after pos, before afterWord.
    QList<qsizetype> breaksInWord(qsizetype pos, qsizetype afterWord) const;
    // The end of the longest leading part of the word (pos to afterWord) that fits the column from the pen on;
    // at least its first grapheme. The view's state is left as it was.
    qsizetype fittingPartOfWord(qsizetype pos, qsizetype afterWord, const Pen &pen, float y);
    // One word (up to the next whitespace outside chords and directives) with its chords, comments and
    // highlight marks, drawn on m_canvas or measured; returns the position after the word.
    qsizetype drawWord(qsizetype pos, qsizetype end, Pen &pen, float y);
    // Recognises the directive at pos (an in-line comment, a highlight start or end, or a hidden one), moves
    // pos to its last recognised character and returns the word state that follows.
    WordState startDirective(qsizetype &pos, qsizetype &textStart);
    // The run of lyric characters that holds the range, whole even where the layout broke it over lines.
    QString lyricRunAround(qsizetype start, qsizetype length) const;
    // A run of lyric characters.
    void drawLyricsWord(qsizetype start, qsizetype length, Pen &pen, float y);
    // A chord in brackets, complete at its "]".
    void completeChord(const QString &written, Pen &pen, float y, float lastLyricEnd);
    // In place of the chord's name: its diagram, titled with the name as shown.
    void drawChordDiagram(const QString &name, const QRectF &rect);
    void joinSplitWord(float fromX, float toX, float y);
    void drawComment(const QString &comment, Pen &pen, float y);
    // The blanks and tabs after a word, highlighted inside a highlight section; returns the position after them.
    qsizetype consumeWhitespace(qsizetype pos, qsizetype end, Pen &pen, float y);
    // In a tab song, a word that names a chord is drawn as one.
    bool isTabSongChord(const QString &word, qsizetype after) const;
    // Records the chord (with its click area when drawn) and draws its background; returns the name to draw
    // (transposed).
    QString drawTabSongChord(const QString &word, const QRectF &wordRect);
    // The word behind pos, after blanks: up to the next whitespace or line break.
    QString nextWordInText(qsizetype pos) const;
    void underLineWord(const QRectF &rect, const QFont &font);
    void drawChorusMarker(int style, float top, float bottom);

    // An in-line comment or capo directive at pos, and where the text it shows starts.
    bool matchComment(qsizetype pos, qsizetype &textStart) const;
    // The highlight start tag at pos ("{soh" or its user or instrument form), or an empty text.
    QString matchHighlightStart(qsizetype pos) const;
    // Starts a highlight section after a matched tag; returns where the scan goes on.
    qsizetype startHighlight(qsizetype pos, const QString &tag);
    bool startsWithAt(qsizetype pos, const QString &tag, Qt::CaseSensitivity cs) const;

    ViewState saveState() const;
    void restoreState(const ViewState &state);
    QColor textColor() const;
    qreal mirroredX(qreal x) const;
    QRectF mirrored(const QRectF &rect) const;
    void fill(const QRectF &rect, const QColor &color);

    SongView &m_view;
    const QString &m_text;
    float m_width;
    // The painter of the line (null when measuring), and the one of the word at hand: words are first
    // measured on trial, then drawn.
    QPainter *m_painter;
    QPainter *m_canvas;
    // The record's texts, drawn together when it is done.
    TextBatch m_texts;
    const DirectiveOwner m_owner;
    bool m_chordRow = false;
    bool m_wordRow = false;
};
