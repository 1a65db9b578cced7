// Fitting a laid-out song to the view that shows it: layout width, columns, auto-zoom and frame.
#include "songframe.h"

#include "columnflow.h"
#include "songview.h"
#include "songviewdelegate.h"

#include <algorithm>

namespace {

// Auto-zoom keeps a reserve, and shrinks by this much while the song does not fit, at most so many times.
constexpr float kZoomReserve = 0.98f;
constexpr float kZoomShrink = 0.97f;
constexpr int kFitAttempts = 10;

} // namespace

SongFrame::SongFrame(SongView &view)
    : m_view(view)
{}

QString SongFrame::songText() const
{
    SongViewDelegate *delegate = m_view.delegate();
    const SongPtr song = delegate ? delegate->songForSongView(m_view) : SongPtr();
    return song ? song->text() : QString();
}

void SongFrame::adjustFrameForView(QSizeF visible, bool autozoom)
{
    if (!(visible.width() > 0))
        return;
    const QString text = songText();
    if (autozoom) {
        m_view.setZoomScale(1.0f);
        m_view.calcLineInfosForText(text, float(visible.width()));
        autoZoomForSize(visible);
        fitZoomedSong(text, visible);
    } else {
        m_view.calcLineInfosForText(text, float(visible.width()));
    }
    const int columns = m_view.numColumnsForSize(visible);
    m_view.setNumColumns(columns);
    const double songHeight = m_view.heightOfSong();
    const bool fillsView = columns >= 2 || visible.height() > songHeight;
    m_view.setFrameSize(QSizeF(visible.width(), fillsView ? visible.height() : songHeight));
}

void SongFrame::autoZoomForSize(QSizeF size)
{
    const double songHeight = m_view.heightOfSong();
    if (m_view.maxwidth() == 0 || songHeight == 0) {
        m_view.setZoomScale(1.0f);
        m_view.setNumColumns(1);
        return;
    }
    const double border = m_view.outerborder();
    m_view.setNumColumns(4);
    for (int columns = 4; columns >= 1; --columns) {
        const double zoom = std::min((size.height() - 2 * border) * columns / songHeight,
                                     (size.width() / columns - 2 * border) / m_view.maxwidth());
        m_view.setZoomScale(float(zoom));
        // Accepted when the song at that zoom would overflow one column less.
        if (float(zoom * songHeight) > (columns - 1) * size.height())
            return;
        m_view.setNumColumns(columns - 1);
    }
}

void SongFrame::fitZoomedSong(const QString &text, QSizeF visible)
{
    const int columns = std::max(m_view.numColumns(), 1);
    float zoom = m_view.zoomScale() * kZoomReserve;
    // A view no larger than its borders has no zoom that fits: the song keeps its size.
    if (!(zoom > 0))
        zoom = 1.0f;
    // Laid out at the width of one of its columns, so that no line comes out wider than the column it is drawn in.
    const double border = m_view.outerborder();
    const float width = float((visible.width() - 2 * border) / columns + 2 * border);
    for (int attempt = 1;; ++attempt) {
        m_view.setZoomScale(zoom);
        m_view.calcLineInfosForText(text, width);
        if (attempt == kFitAttempts || fitsInColumns(columns, visible))
            return;
        zoom *= kZoomShrink;
    }
}

bool SongFrame::fitsInColumns(int columns, QSizeF visible) const
{
    const double border = m_view.outerborder();
    const int needed = ColumnFlow::columnsFilled(m_view.lineHeights(), visible.height() - 2 * border);
    return needed <= columns && ColumnFlow::fitSideBySide(needed, m_view.maxwidth(), visible, border);
}
