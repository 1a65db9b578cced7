// Tab lines: fixed-width text cut by characters where the column ends.
#pragma once

#include "song.h"
#include "textbatch.h"

class QPainter;
class SongView;

class TabLine
{
public:
    // painter null measures.
    TabLine(SongView &view, QPainter *painter);

    // Consumes the characters that fit the width, or the whole range (line break included) when all do.
    TextRange draw(const QString &text, TextRange range, float width, float &y);
    // The height draw gives a line, at the view's zoom.
    static float height(const SongView &view);

private:
    SongView &m_view;
    QPainter *m_painter;
    // The record's texts, drawn together when it is done.
    TextBatch m_texts;
};
