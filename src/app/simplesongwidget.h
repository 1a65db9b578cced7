// A stand-in for the song widget: the song view's layout drawn in one column, chords clickable. It keeps what the
// pane sets and fits the song for auto-zoom; the song widget with columns, clipped drawing, links and chord lists
// replaces it behind the same interface.
#pragma once

#include "songdisplay.h"
#include "songview.h"
#include "songviewdelegate.h"

#include <QWidget>

class SimpleSongWidget : public QWidget, public SongDisplay, private SongViewDelegate
{
    Q_OBJECT

public:
    explicit SimpleSongWidget(QWidget *parent = nullptr);

    QWidget *widget() override { return this; }
    void setSongSource(std::function<SongPtr()> source) override { m_songSource = std::move(source); }
    void setChordClickHandler(std::function<void(const QString &, const QRectF &)> handler) override;
    int transpose() const override { return m_view.transpose(); }
    void setTranspose(int transpose) override { m_view.setTranspose(transpose); }
    bool allChordsFlat() const override { return m_view.allChordsFlat(); }
    void setAllChordsFlat(bool on) override { m_view.setAllChordsFlat(on); }
    bool allChordsSharp() const override { return m_view.allChordsSharp(); }
    void setAllChordsSharp(bool on) override { m_view.setAllChordsSharp(on); }
    float zoomScale() const override { return m_view.zoomScale(); }
    void setZoomScale(float zoomScale) override { m_view.setZoomScale(zoomScale); }
    void setShowChords(bool on) override { m_view.setShowChords(on); }
    void adjustFrameForView(QScrollArea &scrollView, bool autozoom) override;
    QChar favoredTransposeChar() const override { return m_view.favoredTransposeChar(); }
    std::optional<Chord> tempChordForTitle(const QString &title) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    SongPtr songForSongView(const SongView &view) override;
    // Lays the song out for a width in points; answers the song's height in points.
    float layOut(float width);
    // Pixels per point on this screen.
    qreal pointScale() const;

    SongView m_view;
    std::function<SongPtr()> m_songSource;
    std::function<void(const QString &, const QRectF &)> m_chordClicked;
};
