// What the song pane needs of the widget that lays out and draws a text song: the values read at its next
// layout, the layout itself and the song's own chord definitions.
#pragma once

#include "chord.h"
#include "pauseinfo.h"
#include "song.h"

#include <QChar>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QScrollArea;
class QWidget;

class SongDisplay
{
public:
    virtual ~SongDisplay() = default;

    // The widget placed into the pane's song scroll area; owned by the scroll area once placed.
    virtual QWidget *widget() = 0;

    // Asked for the song at every layout and drawing pass; the song is never stored by the display.
    virtual void setSongSource(std::function<SongPtr()> source) = 0;
    // Called with a clicked chord's name (as drawn) and its rectangle in widget coordinates.
    virtual void setChordClickHandler(std::function<void(const QString &, const QRectF &)> handler) = 0;

    // Semitones by which the shown chords are transposed.
    virtual int transpose() const = 0;
    virtual void setTranspose(int transpose) = 0;
    virtual bool allChordsFlat() const = 0;
    virtual void setAllChordsFlat(bool on) = 0;
    virtual bool allChordsSharp() const = 0;
    virtual void setAllChordsSharp(bool on) = 0;
    virtual float zoomScale() const = 0;
    virtual void setZoomScale(float zoomScale) = 0;
    virtual void setShowChords(bool on) = 0;

    // Lays the song out for the width of the scroll area's viewport; with autozoom it first chooses the zoom
    // (and columns) that fit the song into the viewport. Then sizes the widget: the song's height when that is
    // taller than the viewport, else the viewport's height.
    virtual void adjustFrameForView(QScrollArea &scrollView, bool autozoom) = 0;
    // Widget pixels per point on the widget's screen.
    virtual qreal pointScale() const = 0;
    // Height of the laid-out frame (the song, or the visible part when the song is shorter), points.
    virtual float frameHeight() const = 0;
    // Top of a laid-out line, points.
    virtual float yForLine(qint64 line) const = 0;
    // The laid-out line that shows the character at the index of the song's text.
    virtual qint64 lineForCursorPos(quint64 position) const = 0;
    // The pause mark at a position of the song, points.
    virtual std::optional<PauseInfo> pauseForPosition(double y) const = 0;
    // 0 when not transposed or a tab song, else 'b' or '#' as the transposed key asks.
    virtual QChar favoredTransposeChar() const = 0;
    // The names of the chords the laid-out song shows below y (points), each once in order of first appearance,
    // spelled as shown (transposed, all flat or all sharp).
    virtual QStringList uniqueChordNamesFromPositionY(float y) = 0;
    // The chord the song's text defines under exactly that title.
    virtual std::optional<Chord> tempChordForTitle(const QString &title) const = 0;
};
