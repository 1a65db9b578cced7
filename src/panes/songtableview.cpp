#include "songtableview.h"

#include <QApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QResizeEvent>

SongTableView::SongTableView(QWidget *parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Songs leave the list as copies of their files: a drop elsewhere never moves a song out of the library.
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &SongTableView::keepShareOfResizedColumn);
}

void SongTableView::keyboardSearch(const QString &search)
{
    if (!m_typeSelect || !model() || model()->rowCount() == 0)
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const bool goesOn = now - m_lastTypedMs <= QApplication::keyboardInputInterval();
    m_lastTypedMs = now;
    m_typed = goesOn ? m_typed + search : search;
    const int rows = model()->rowCount();
    const int current = currentIndex().isValid() ? currentIndex().row() : 0;
    // Further letters may still match the row found so far; a first letter looks from the next row on.
    const int start = goesOn ? current : (current + 1) % rows;
    const int end = (start + rows - 1) % rows;
    m_typeSelect(start, end, m_typed);
}

void SongTableView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    if (m_shares.isEmpty() && model && viewport()->width() > 0)
        giveColumnsTheirFirstShares();
}

void SongTableView::setColumnShare(int column, double share)
{
    if (m_shares.size() <= column)
        m_shares.resize(column + 1, 0);
    m_shares[column] = share;
    applyShares();
}

void SongTableView::giveColumnsTheirFirstShares()
{
    // Title, subtitle, key, time; the columns shown share the whole width in these proportions.
    const double weights[] = {0.42, 0.3, 0.14, 0.14};
    double shown = 0;
    for (int column = 0; column < 4; ++column)
        shown += isColumnHidden(column) ? 0 : weights[column];
    for (int column = 0; column < 4; ++column)
        setColumnShare(column, weights[column] / shown);
}

void SongTableView::applyShares()
{
    const int width = viewport()->width();
    if (width <= 0)
        return;
    m_applyingShares = true;
    for (int column = 0; column < m_shares.size(); ++column)
        if (!isColumnHidden(column))
            setColumnWidth(column, qRound(m_shares.at(column) * width));
    m_applyingShares = false;
}

void SongTableView::keepShareOfResizedColumn(int column, int, int newWidth)
{
    // Only a width the user (or a restored layout) gives: hiding a column, or a pane squeezed to nothing while it
    // is hidden, must not wear the shares down.
    const int width = viewport()->width();
    if (m_applyingShares || m_shares.isEmpty() || width <= 0 || newWidth <= 0 || isColumnHidden(column))
        return;
    if (m_shares.size() <= column)
        m_shares.resize(column + 1, 0);
    m_shares[column] = double(newWidth) / width;
}

void SongTableView::resizeEvent(QResizeEvent *event)
{
    // The columns resize uniformly: each keeps its share of the width. Shares, not widths scaled step by
    // step, so a pane hidden and shown (and squeezed on the way) gets its columns back as they were.
    QTableView::resizeEvent(event);
    if (m_shares.isEmpty()) {
        if (model() && viewport()->width() > 0)
            giveColumnsTheirFirstShares();
        return;
    }
    applyShares();
}
