// A stand-in for the song widget: draws the shown song in one column, title first, each chord above its
// syllable. It keeps the values the pane sets and fits the song for auto-zoom; the song widget with columns,
// diagrams and clicks replaces it behind the same interface.
#pragma once

#include "songdisplay.h"

#include <QList>
#include <QWidget>

class SimpleSongWidget : public QWidget, public SongDisplay
{
    Q_OBJECT

public:
    explicit SimpleSongWidget(QWidget *parent = nullptr);

    QWidget *widget() override { return this; }
    void setSongSource(std::function<SongPtr()> source) override { m_songSource = std::move(source); }
    void setChordClickHandler(std::function<void(const QString &, const QRectF &)> handler) override;
    int transpose() const override { return m_transpose; }
    void setTranspose(int transpose) override { m_transpose = transpose; }
    bool allChordsFlat() const override { return m_allChordsFlat; }
    void setAllChordsFlat(bool on) override { m_allChordsFlat = on; }
    bool allChordsSharp() const override { return m_allChordsSharp; }
    void setAllChordsSharp(bool on) override { m_allChordsSharp = on; }
    float zoomScale() const override { return m_zoomScale; }
    void setZoomScale(float zoomScale) override { m_zoomScale = zoomScale; }
    void setShowChords(bool on) override { m_showChords = on; }
    void adjustFrameForView(QScrollArea &scrollView, bool autozoom) override;
    QChar favoredTransposeChar() const override;
    std::optional<Chord> tempChordForTitle(const QString &title) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // One drawn piece of text, in widget coordinates.
    struct Piece
    {
        QRectF rect;
        QString text;
        QFont font;
        QColor color;
        bool chord = false;
        QString chordName;
    };

    // Lays the song out at the current zoom for the width; answers the height and width used.
    QSizeF layOut(qreal width);
    void addLine(const QString &line, qreal &y);
    void addText(const QString &text, const QFont &font, const QColor &color, qreal x, qreal &y);
    QString shownChordName(const QString &name) const;

    std::function<SongPtr()> m_songSource;
    std::function<void(const QString &, const QRectF &)> m_chordClicked;
    int m_transpose = 0;
    bool m_allChordsFlat = false;
    bool m_allChordsSharp = false;
    float m_zoomScale = 1.0f;
    bool m_showChords = true;
    QList<Piece> m_pieces;
};
