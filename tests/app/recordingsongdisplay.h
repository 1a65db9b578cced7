// A song display that keeps what the song pane sets and counts the layouts it asks for, so the pane's decisions
// can be checked without the real song widget.
#pragma once

#include "songdisplay.h"

#include <QScrollArea>
#include <QWidget>

#include <cmath>

class RecordingSongDisplay : public QWidget, public SongDisplay
{
public:
    QWidget *widget() override { return this; }
    void setSongSource(std::function<SongPtr()> source) override { songSource = std::move(source); }
    void setChordClickHandler(std::function<void(const QString &, const QRectF &)> handler) override
    {
        chordClicked = std::move(handler);
    }
    int transpose() const override { return m_transpose; }
    void setTranspose(int transpose) override { m_transpose = transpose; }
    bool allChordsFlat() const override { return m_flat; }
    void setAllChordsFlat(bool on) override { m_flat = on; }
    bool allChordsSharp() const override { return m_sharp; }
    void setAllChordsSharp(bool on) override { m_sharp = on; }
    float zoomScale() const override { return m_zoomScale; }
    void setZoomScale(float zoomScale) override { m_zoomScale = zoomScale; }
    void setShowChords(bool on) override { showChords = on; }
    void adjustFrameForView(QScrollArea &scrollView, bool autozoom) override
    {
        ++layouts;
        lastAutozoom = autozoom;
        resize(scrollView.viewport()->width(), int(std::ceil(songHeight * scale)));
    }
    qreal pointScale() const override { return scale; }
    float frameHeight() const override { return float(songHeight); }
    // Lines of lineHeight points, each showing charactersPerLine characters of the text.
    float yForLine(qint64 line) const override { return float(line * lineHeight); }
    qint64 lineForCursorPos(quint64 position) const override { return qint64(position / charactersPerLine); }
    std::optional<PauseInfo> pauseForPosition(double y) const override
    {
        for (const PauseInfo &pause : pauses) {
            if (pause.position <= y && y < pause.position + lineHeight)
                return pause;
        }
        return std::nullopt;
    }
    QChar favoredTransposeChar() const override { return {}; }
    // Every name lies at the top of the song.
    QStringList uniqueChordNamesFromPositionY(float y) override { return y <= 0 ? chordNames : QStringList(); }
    std::optional<Chord> tempChordForTitle(const QString &title) const override
    {
        if (ownChord && ownChord->title() == title)
            return ownChord;
        return std::nullopt;
    }

    std::function<SongPtr()> songSource;
    std::function<void(const QString &, const QRectF &)> chordClicked;
    bool showChords = true;
    int layouts = 0;
    bool lastAutozoom = false;
    // The height the song takes at every layout, points, and the widget pixels per point.
    int songHeight = 1000;
    qreal scale = 1.0;
    static constexpr int lineHeight = 20;
    static constexpr int charactersPerLine = 10;
    QList<PauseInfo> pauses;
    std::optional<Chord> ownChord;
    QStringList chordNames;

private:
    int m_transpose = 0;
    bool m_flat = false;
    bool m_sharp = false;
    float m_zoomScale = 1.0f;
};
