// The thin widget around a song view inside a scroll area: fits the song to the visible part, paints it with one
// unit per point, and hands it clicks and the pointer. It is the song pane's song display.
#pragma once

#include "songdisplay.h"
#include "songview.h"
#include "songviewdelegate.h"

#include <QSizeF>
#include <QWidget>

class QScrollArea;

class SongViewWidget : public QWidget, public SongDisplay, private SongViewDelegate
{
    Q_OBJECT

public:
    explicit SongViewWidget(QWidget *parent = nullptr);

    // A scroll area showing a song display's widget, centred at the top. The song is laid out for the area's
    // width, which must not change with the song's height: the vertical scroll bar is always there, the
    // horizontal one never. The filter sees the area's events (its resizes re-fit the song).
    static QScrollArea *makeScrollArea(QWidget *songWidget, QWidget *parent, QObject *filter);

    // Owners set its zoom and display switches, then call adjustFrameForView(). The widget is the view's
    // delegate, answering with the song source's song and passing chord clicks to the click handler.
    SongView &songView() { return m_songView; }

    QWidget *widget() override { return this; }
    void setSongSource(std::function<SongPtr()> source) override { m_songSource = std::move(source); }
    void setChordClickHandler(std::function<void(const QString &, const QRectF &)> handler) override
    {
        m_chordClicked = std::move(handler);
    }
    int transpose() const override { return m_songView.transpose(); }
    void setTranspose(int transpose) override { m_songView.setTranspose(transpose); }
    bool allChordsFlat() const override { return m_songView.allChordsFlat(); }
    void setAllChordsFlat(bool on) override { m_songView.setAllChordsFlat(on); }
    bool allChordsSharp() const override { return m_songView.allChordsSharp(); }
    void setAllChordsSharp(bool on) override { m_songView.setAllChordsSharp(on); }
    float zoomScale() const override { return m_songView.zoomScale(); }
    void setZoomScale(float zoomScale) override { m_songView.setZoomScale(zoomScale); }
    void setShowChords(bool on) override { m_songView.setShowChords(on); }
    void adjustFrameForView(QScrollArea &scrollArea, bool autozoom) override
    {
        adjustFrameForView(&scrollArea, autozoom);
    }
    qreal pointScale() const override;
    float frameHeight() const override { return float(m_songView.frameSize().height()); }
    float yForLine(qint64 line) const override { return m_songView.yForLine(line); }
    qint64 lineForCursorPos(quint64 position) const override { return m_songView.lineForCursorPos(position); }
    std::optional<PauseInfo> pauseForPosition(double y) const override { return m_songView.pauseForPosition(y); }
    QChar favoredTransposeChar() const override { return m_songView.favoredTransposeChar(); }
    QStringList uniqueChordNamesFromPositionY(float y) override { return m_songView.uniqueChordNamesFromPositionY(y); }
    std::optional<Chord> tempChordForTitle(const QString &title) const override
    {
        return m_songView.tempChordForTitle(title);
    }

    // Lays the song out for the scroll area's visible part, with the columns and (with autozoom) the zoom that
    // fit it, and takes the size the view chose.
    void adjustFrameForView(QScrollArea *scrollArea, bool autozoom);
    // The scroll area's visible part in points, measured as if its vertical scroll bar were shown whenever it
    // may be: the layout width never depends on whether the song happens to scroll, so a fit that makes the
    // scroll bar appear or vanish does not change the width it was made for.
    static QSizeF visibleSize(const QScrollArea &scrollArea, qreal pointScale);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    SongPtr songForSongView(const SongView &view) override;
    void showChords(const QString &name, const QRectF &rect) override;

    SongView m_songView;
    std::function<SongPtr()> m_songSource;
    std::function<void(const QString &, const QRectF &)> m_chordClicked;
};
