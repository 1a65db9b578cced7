// One layout pass: a song's text cut into the view's line records for one width and the view's zoom.
#pragma once

#include "lineclassifier.h"
#include "lineinfo.h"
#include "linesatzoom.h"
#include "song.h"
#include "textmetrics.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

class Prefs;
class SongView;

// Every line is measured by the very operation that later draws it, without a painter, so measuring and
// drawing agree. Besides the records the pass collects the song's own chord definitions, its pauses, the widest
// line and title, and whether the text runs right to left.
class SongLayout
{
public:
    // width: the whole width given to the song, before the border.
    SongLayout(SongView &view, const QString &text, float width);

    void run();
    // The view's records of its last layout with the heights this pass would give them at the view's zoom,
    // measured without laying the text out again; none when only a new layout can tell: a line broken over
    // records or a tab line cut at the column's edge, a grid row, or a line that might no longer fit the width.
    // The view keeps its last layout.
    std::optional<LinesAtZoom> linesAtViewZoom();
    // Makes lines measured at the view's zoom for this width the view's layout, as this pass would have made it;
    // false, the view unchanged, when they were measured for another zoom or width or from another layout, or when
    // drawing needs the width of the widest line, which they only bound.
    bool takeLines(LinesAtZoom measured);

private:
    enum class Classified { Dropped, LaidOut, Title, Subtitle };

    void prepare();
    void setFonts(const Prefs &prefs);
    // Sorts one line into its kind and applies the effects of directive lines.
    Classified classify(const QString &line, const QString &trimmed);
    // No lyric line measured in the view's fonts is wider than the widest line laid out in the fonts given (text,
    // chord, comment, tab, highlight) times this; none when a font measured no width.
    std::optional<double> widthRatio(const std::array<TextMetrics, 5> &laidOut) const;
    // The line is for this view: "{sot-<user>}" or "{sot-<instrument>" (likewise "sog").
    bool sectionIsForThisView(const QString &trimmed, const QString &name) const;
    void startTabOrGridSection(const QString &trimmed, const QString &name, bool forSomeone);
    // Makes the record of a laid-out line; returns the range the next iteration looks at.
    TextRange layOutLine(TextRange range, Classified kind);
    // A lyric line's part that fits, with the rows its record's height is made of.
    TextRange layOutLyricLine(TextRange range, float &y, LineInfo &record);
    void appendRecord(LineInfo record);
    void endTabSection();
    // Aligns the cells of the grid section's rows in columns and grows the rows that wrap.
    void endGridSection();
    // An image line; false when the line holds no image source and is an ordinary line.
    bool addImage(const QString &trimmed);
    QString imagePath(const QString &name) const;
    void addTemporaryChord(const QString &trimmed);
    void addPause(const QString &trimmed);
    // The line of the text that starts at the position (with its line break); empty at the end.
    TextRange lineAt(qsizetype position) const;
    // The state in force where the next record starts.
    void stampDrawingState(LineInfo &record) const;
    float roundedForPrint(float height) const;

    SongView &m_view;
    const QString &m_text;
    float m_width;
    float m_usableWidth;
    DirectiveOwner m_owner;
    bool m_chorus = false;
    bool m_inTab = false;
    bool m_inGrid = false;
    bool m_hidden = false;
    // Parts of over-wide tab lines, shown after their section.
    QList<LineInfo> m_pendingTabRests;
    // Indexes into the view's lines of the open grid section's rows.
    QList<qsizetype> m_gridRows;
};
