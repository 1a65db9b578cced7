#include "simplesongwidget.h"

#include "lineinfo.h"
#include "textmetrics.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>

#include <algorithm>

namespace {
// Auto-zoom stays within what a reader can use.
constexpr float leastAutoZoom = 0.25f;
constexpr float mostAutoZoom = 5.0f;
} // namespace

SimpleSongWidget::SimpleSongWidget(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_view.setDelegate(this);
}

void SimpleSongWidget::setChordClickHandler(std::function<void(const QString &, const QRectF &)> handler)
{
    m_chordClicked = std::move(handler);
}

SongPtr SimpleSongWidget::songForSongView(const SongView &view)
{
    Q_UNUSED(view);
    return m_songSource ? m_songSource() : SongPtr();
}

qreal SimpleSongWidget::pointScale() const
{
    return TextMetrics::pointScale(this);
}

float SimpleSongWidget::layOut(float width)
{
    const SongPtr song = songForSongView(m_view);
    m_view.calcLineInfosForText(song ? song->text() : QString(), width);
    return song ? m_view.heightOfSong() : 0;
}

void SimpleSongWidget::adjustFrameForView(QScrollArea &scrollView, bool autozoom)
{
    const QSize viewport = scrollView.viewport()->size();
    const auto width = float(viewport.width() / pointScale());
    const auto height = float(viewport.height() / pointScale());
    float songHeight = layOut(width);
    if (autozoom && songHeight > 0) {
        // One column: the zoom at which the whole song fits the height, and its widest line the width.
        const float border = 2 * m_view.outerborder();
        const float widest = std::max(m_view.maxwidth(), m_view.titlewidth()) + border;
        float fit = height / songHeight;
        if (widest > 0)
            fit = std::min(fit, width / widest);
        m_view.setZoomScale(std::clamp(m_view.zoomScale() * fit, leastAutoZoom, mostAutoZoom));
        songHeight = layOut(width);
    }
    resize(viewport.width(), std::max(viewport.height(), int(std::ceil(songHeight * pointScale()))));
    update();
}

std::optional<Chord> SimpleSongWidget::tempChordForTitle(const QString &title) const
{
    return m_view.tempChordForTitle(title);
}

void SimpleSongWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    const SongPtr song = songForSongView(m_view);
    if (!song)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pointScale(), pointScale());
    const float border = m_view.outerborder();
    painter.translate(border, border);
    // Drawing records the chords' click areas again, in points from the widget's corner.
    m_view.setCurrentOffset(QPointF(border, border));
    m_view.chords().clear();
    m_view.links().clear();
    const float width = m_view.widthForLines() - 2 * border;
    float y = 0;
    for (const LineInfo &line : m_view.lines()) {
        const float top = y;
        m_view.drawLineInfo(song->text(), line, width, y, &painter);
        y = top + line.height;
    }
}

void SimpleSongWidget::mousePressEvent(QMouseEvent *event)
{
    const QPointF point = event->position() / pointScale();
    for (const Chord &chord : m_view.chords()) {
        const QRectF bounds = chord.bounds();
        if (!bounds.contains(point))
            continue;
        if (m_chordClicked)
            m_chordClicked(chord.title(), QRectF(bounds.topLeft() * pointScale(), bounds.size() * pointScale()));
        return;
    }
    QWidget::mousePressEvent(event);
}
