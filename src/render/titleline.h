// Title and subtitle lines: centred (or at the leading edge) and shrunk to fit, never cut.
#pragma once

#include "song.h"
#include "textbatch.h"

#include <QFont>
#include <QList>

class Prefs;
class QPainter;
class SongView;

class TitleLine
{
public:
    // painter null measures.
    TitleLine(SongView &view, QPainter *painter);

    // The value of the line's "t" or "title" directive, in the bold text font at 1.5 times the zoom; sets the
    // view's title scale, which the subtitle follows.
    TextRange drawTitle(const QString &text, TextRange range, float width, float &y);
    // The value of "st", "subtitle" or "artist" at 0.8 times the title scale (1.2 times the zoom without a title).
    TextRange drawSubTitle(const QString &text, TextRange range, float width, float &y);
    // The title's and subtitle's fonts at zoom 1, when they fit.
    static QList<QFont> headingFonts(const Prefs &prefs);

private:
    static QFont headingFont(const Prefs &prefs, float scale, bool bold);
    // Draws the text at the scale, shrunk to the width; returns the scale used. unzoomedScale: the heading's scale
    // at zoom 1.
    float drawHeading(const QString &heading, float unzoomedScale, float scale, bool bold, float width, float &y);

    SongView &m_view;
    // The record's texts, drawn together when it is done; a measuring record's batch has no painter and
    // queues nothing.
    TextBatch m_texts;
};
