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
    if (!m_columnsSized && model && viewport()->width() > 0)
        giveColumnsTheirFirstShares();
}

void SongTableView::setColumnShare(int column, double share)
{
    m_columnsSized = true;
    setColumnWidth(column, qRound(share * viewport()->width()));
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

void SongTableView::resizeEvent(QResizeEvent *event)
{
    // The columns resize uniformly: each keeps its share of the width.
    QTableView::resizeEvent(event);
    if (!m_columnsSized) {
        if (model() && viewport()->width() > 0)
            giveColumnsTheirFirstShares();
        return;
    }
    const int oldWidth = event->oldSize().width();
    const int newWidth = event->size().width();
    if (oldWidth <= 0 || newWidth <= 0 || oldWidth == newWidth)
        return;
    const double scale = double(newWidth) / oldWidth;
    for (int column = 0; column < horizontalHeader()->count(); ++column) {
        if (!isColumnHidden(column))
            setColumnWidth(column, qRound(columnWidth(column) * scale));
    }
}
