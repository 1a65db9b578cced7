#include "songtableview.h"

#include "selectionveto.h"
#include "songcolumns.h"
#include "vellorinappdelegate.h"
#include "vellorinwindowlayout.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QHeaderView>
#include <QMenu>
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
    connectSelection();
    if (m_shares.isEmpty() && model && viewport()->width() > 0)
        giveColumnsTheirFirstShares();
}

void SongTableView::setRowRules(RowRules rules)
{
    m_rules = std::move(rules);
    connectSelection();
}

void SongTableView::connectSelection()
{
    // Every model gets a selection model of its own.
    if (selectionModel())
        connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &SongTableView::userSelectionChanged,
                Qt::UniqueConnection);
}

void SongTableView::userSelectionChanged()
{
    Q_EMIT selectionDidChange();
    if (!m_rules.veto || m_rules.veto->isSelecting())
        return;
    const QItemSelectionModel &selection = *selectionModel();
    const QModelIndexList selected = selection.selectedRows();
    if (selected.isEmpty())
        return;
    const QModelIndex current = selection.currentIndex();
    const int row =
        current.isValid() && selection.isRowSelected(current.row()) ? current.row() : selected.first().row();
    const SongPtr song = m_rules.songForRow(row);
    if (!song || holdsCurrentSong(row))
        return;
    if (!m_rules.veto->selectionShouldChange()) {
        m_rules.selectCurrentSong();
        return;
    }
    // Saving may have refreshed the rows: the chosen song is looked up again.
    const int rowNow = rowAfterQuestion(row, song);
    if (rowNow < 0) {
        m_rules.selectCurrentSong();
        return;
    }
    if (!selectionModel()->isRowSelected(rowNow))
        selectRowAlone(rowNow);
    m_rules.shouldSelectRow(rowNow);
}

int SongTableView::rowAfterQuestion(int row, const SongPtr &song) const
{
    return m_rules.rowAfterQuestion ? m_rules.rowAfterQuestion(row, song) : rowOfPath(song->path());
}

bool SongTableView::holdsCurrentSong(int row) const
{
    if (m_rules.holdsCurrentSong)
        return m_rules.holdsCurrentSong(row);
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    const SongPtr current = delegate ? delegate->currentSong() : nullptr;
    const SongPtr song = m_rules.songForRow ? m_rules.songForRow(row) : nullptr;
    return current && song && (current == song || (!song->path().isEmpty() && current->path() == song->path()));
}

int SongTableView::chooseTypedRow(int row)
{
    if (row < 0)
        return -1;
    const bool isShown = holdsCurrentSong(row);
    if (!isShown && m_rules.veto && !m_rules.veto->selectionShouldChange()) {
        m_rules.selectCurrentSong();
        return -1;
    }
    selectRowAlone(row);
    if (!isShown)
        m_rules.shouldSelectRow(row);
    return row;
}

QMenu *SongTableView::menuForEvent(const QPoint &position)
{
    setFocus(Qt::PopupFocusReason);
    const int row = rowAt(position.y());
    if (row >= 0 && !chooseRowForMenu(row))
        return nullptr;
    return m_contextMenu;
}

bool SongTableView::chooseRowForMenu(int row)
{
    const SongPtr song = m_rules.songForRow ? m_rules.songForRow(row) : nullptr;
    if (!song || !m_rules.veto)
        return true;
    // The save question comes whenever the current song would change, also inside a multi-selection.
    if (!holdsCurrentSong(row)) {
        if (!m_rules.veto->selectionShouldChange())
            return false;
        row = rowAfterQuestion(row, song);
        if (row < 0) {
            m_rules.selectCurrentSong();
            return true;
        }
        if (!m_rules.shouldSelectRow(row))
            return true;
    }
    // An empty selection takes the clicked row too, so that the menu's commands act on the song clicked.
    if (selectedRows().size() <= 1)
        selectRowAlone(row);
    return true;
}

void SongTableView::contextMenuEvent(QContextMenuEvent *event)
{
    if (QMenu *menu = menuForEvent(event->pos()))
        menu->popup(event->globalPos());
}

QList<int> SongTableView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<SongPtr> SongTableView::selectedSongs() const
{
    // A command on the current song's file acts on the current song's object: it holds the edits, and a copy
    // saved later would drop them (or they would drop what the command wrote).
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    const SongPtr current = delegate ? delegate->currentSong() : nullptr;
    QList<SongPtr> songs;
    for (const int row : selectedRows()) {
        if (holdsCurrentSong(row))
            songs.append(current);
        else if (const SongPtr song = m_rules.songForRow ? m_rules.songForRow(row) : nullptr)
            songs.append(song);
    }
    return songs;
}

int SongTableView::rowOfPath(const QString &path) const
{
    if (path.isEmpty() || !model() || !m_rules.songForRow)
        return -1;
    for (int row = 0; row < model()->rowCount(); ++row) {
        const SongPtr song = m_rules.songForRow(row);
        if (song && song->path() == path)
            return row;
    }
    return -1;
}

void SongTableView::selectRowAlone(int row)
{
    const auto select = [this, row] {
        const QModelIndex index = model()->index(row, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(index);
    };
    quietly(select);
}

int SongTableView::rowNextToSelection(int offset) const
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty() || !model())
        return -1;
    const int row = offset > 0 ? rows.last() + offset : rows.first() + offset;
    return row >= 0 && row < model()->rowCount() ? row : -1;
}

SongPtr SongTableView::songNextToSelection(int offset) const
{
    const int row = rowNextToSelection(offset);
    return row >= 0 && m_rules.songForRow ? m_rules.songForRow(row) : nullptr;
}

SongPtr SongTableView::selectRowOfCurrentSong()
{
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    const SongPtr song = delegate ? delegate->currentSong() : nullptr;
    const int row = song ? rowOfPath(song->path()) : -1;
    if (row < 0) {
        clearSelectionQuietly();
        return nullptr;
    }
    selectRowAlone(row);
    return song;
}

void SongTableView::selectRowsOfPaths(const QStringList &paths)
{
    const auto select = [this, &paths] {
        clearSelection();
        for (const QString &path : paths) {
            const int row = rowOfPath(path);
            if (row >= 0)
                selectionModel()->select(model()->index(row, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    };
    quietly(select);
}

void SongTableView::quietly(const std::function<void()> &select)
{
    if (m_rules.veto)
        m_rules.veto->quietly(select);
    else
        select();
}

void SongTableView::clearSelectionQuietly()
{
    quietly([this] { clearSelection(); });
}

void SongTableView::reloadRows(const std::function<void()> &resetModel)
{
    // A reset of the model resets the header too: the columns keep their widths and visibility.
    QList<int> widths;
    QList<bool> hidden;
    for (int column = 0; column < SongColumns::ColumnCount; ++column) {
        widths.append(columnWidth(column));
        hidden.append(isColumnHidden(column));
    }
    quietly(resetModel);
    for (int column = 0; column < SongColumns::ColumnCount; ++column) {
        setColumnHidden(column, hidden.at(column));
        if (widths.at(column) > 0)
            setColumnWidth(column, widths.at(column));
    }
}

void SongTableView::saveColumnShares(VellorinWindowLayout &layout) const
{
    const double width = viewport()->width();
    if (width <= 0)
        return;
    layout.setSonglistcol0(columnWidth(0) / width);
    layout.setSonglistcol1(columnWidth(1) / width);
    layout.setSonglistcol2(columnWidth(2) / width);
    layout.setSonglistcol3(isColumnHidden(3) ? 0 : columnWidth(3) / width);
}

void SongTableView::loadColumnShares(const VellorinWindowLayout &layout)
{
    setColumnShare(0, layout.songlistcol0());
    setColumnShare(1, layout.songlistcol1());
    setColumnShare(2, layout.songlistcol2());
    if (layout.songlistcol3() != 0)
        setColumnShare(3, layout.songlistcol3());
    else
        setColumnHidden(3, true);
}

void SongTableView::setColumnShare(int column, double share)
{
    m_sharesAreFirstOnes = false;
    if (m_shares.size() <= column)
        m_shares.resize(column + 1, 0);
    m_shares[column] = share;
    applyShares();
}

void SongTableView::showEvent(QShowEvent *event)
{
    // A hidden table has no width of its own (a list pane not shown): its shares wait until it is shown.
    QTableView::showEvent(event);
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
    m_sharesAreFirstOnes = true;
}

void SongTableView::setTimeColumnShown(bool shown)
{
    if (isColumnHidden(SongColumns::Time) != shown)
        return;
    setColumnHidden(SongColumns::Time, !shown);
    // Columns nobody sized yet share the whole width again, with the Time column or without it.
    if (m_sharesAreFirstOnes)
        giveColumnsTheirFirstShares();
}

void SongTableView::applyShares()
{
    const int width = viewport()->width();
    if (!isVisible() || width <= 0)
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
    if (m_applyingShares || m_shares.isEmpty() || !isVisible() || width <= 0 || newWidth <= 0 || isColumnHidden(column))
        return;
    if (m_shares.size() <= column)
        m_shares.resize(column + 1, 0);
    m_shares[column] = double(newWidth) / width;
    m_sharesAreFirstOnes = false;
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
