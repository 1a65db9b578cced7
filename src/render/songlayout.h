// One layout pass: a song's text cut into the view's line records for one width and the view's zoom.
#pragma once

#include "lineclassifier.h"
#include "lineinfo.h"
#include "song.h"

#include <QList>
#include <QString>

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

private:
    enum class Classified { Dropped, LaidOut, Title, Subtitle };

    void prepare();
    void setFonts(const Prefs &prefs);
    // Sorts one line into its kind and applies the effects of directive lines.
    Classified classify(const QString &line, const QString &trimmed);
    // The line is for this view: "{sot-<user>}" or "{sot-<instrument>" (likewise "sog").
    bool sectionIsForThisView(const QString &trimmed, const QString &name) const;
    void startTabOrGridSection(const QString &trimmed, const QString &name, bool forSomeone);
    // Makes the record of a laid-out line; returns the range the next iteration looks at.
    TextRange layOutLine(TextRange range, Classified kind);
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
