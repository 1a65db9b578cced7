// The thin widget around a song view inside a scroll area.
#include "songviewwidget.h"

#include "prefs.h"
#include "textmetrics.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <cmath>

QScrollArea *SongViewWidget::makeScrollArea(QWidget *songWidget, QWidget *parent, QObject *filter)
{
    auto *scrollArea = new QScrollArea(parent);
    scrollArea->setWidget(songWidget);
    scrollArea->setWidgetResizable(false);
    scrollArea->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Fixed scroll bars: the width the song is laid out for must not change with its height.
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->installEventFilter(filter);
    return scrollArea;
}

SongViewWidget::SongViewWidget(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    m_songView.setDelegate(this);
}

SongPtr SongViewWidget::songForSongView(const SongView &view)
{
    Q_UNUSED(view);
    return m_songSource ? m_songSource() : SongPtr();
}

void SongViewWidget::showChords(const QString &name, const QRectF &rect)
{
    // The view reports in points; the pane places its chord window in widget pixels.
    const qreal scale = pointScale();
    if (m_chordClicked)
        m_chordClicked(name, QRectF(rect.topLeft() * scale, rect.size() * scale));
}

qreal SongViewWidget::pointScale() const
{
    return TextMetrics::pointScale(this);
}

QSizeF SongViewWidget::visibleSize(const QScrollArea &scrollArea, qreal pointScale)
{
    QSizeF visible = scrollArea.contentsRect().size();
    if (scrollArea.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        visible.rwidth() -= scrollArea.verticalScrollBar()->sizeHint().width();
    if (scrollArea.horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        visible.rheight() -= scrollArea.horizontalScrollBar()->sizeHint().height();
    return visible.expandedTo(QSizeF(0, 0)) / pointScale;
}

void SongViewWidget::adjustFrameForView(QScrollArea *scrollArea, bool autozoom)
{
    const qreal scale = pointScale();
    m_songView.adjustFrameForView(visibleSize(*scrollArea, scale), autozoom);
    const QSizeF frame = m_songView.frameSize() * scale;
    resize(qRound(frame.width()), int(std::ceil(frame.height())));
    // Where the song leaves room for a scroll bar that is not shown, the scroll area shows the song's background.
    const QColor background = m_songView.prefs()->textfontprefs()->backgroundColor();
    if (background.isValid()) {
        QPalette palette = scrollArea->viewport()->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        scrollArea->viewport()->setPalette(palette);
    }
    update();
}

void SongViewWidget::paintEvent(QPaintEvent *event)
{
    const qreal scale = pointScale();
    QPainter painter(this);
    painter.scale(scale, scale);
    const QRectF dirty = event->rect();
    m_songView.drawRect(painter, QRectF(dirty.topLeft() / scale, dirty.size() / scale));
}

void SongViewWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_songView.mouseDown(event->position() / pointScale());
}

void SongViewWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_songView.isClickableAt(event->position() / pointScale()))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}
