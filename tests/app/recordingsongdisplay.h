// A song display that keeps what the song pane sets and counts the layouts it asks for, so the pane's decisions
// can be checked without the real song widget.
#pragma once

#include "songdisplay.h"

#include <QScrollArea>
#include <QWidget>

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
        resize(scrollView.viewport()->width(), songHeight);
    }
    QChar favoredTransposeChar() const override { return {}; }
    QStringList uniqueChordNames() override { return chordNames; }
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
    // The height the song takes at every layout, pixels.
    int songHeight = 1000;
    std::optional<Chord> ownChord;
    QStringList chordNames;

private:
    int m_transpose = 0;
    bool m_flat = false;
    bool m_sharp = false;
    float m_zoomScale = 1.0f;
};
