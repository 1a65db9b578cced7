// The list panes' song tables: rows are whole songs, a row the user chooses becomes the current song after the
// save question, a right-click chooses its row before the context menu shows, typing selects by the sorted
// column, and the columns keep their share of the width when the table is resized.
#pragma once

#include "song.h"

#include <QList>
#include <QTableView>

#include <functional>

class QMenu;
class SelectionVeto;
class VellorinWindowLayout;

class SongTableView : public QTableView
{
    Q_OBJECT

public:
    explicit SongTableView(QWidget *parent = nullptr);

    // What the table asks of its pane when the user chooses rows.
    struct RowRules
    {
        // The pane's save question before the current song changes; it also guards the program's own selecting.
        SelectionVeto *veto = nullptr;
        // nullptr outside the rows.
        std::function<SongPtr(int row)> songForRow;
        // Makes the row's song the current song (the pane's select-row step); false when it refuses the row.
        std::function<bool(int row)> shouldSelectRow;
        // Selects the current song's row alone, or no row (after a refused change).
        std::function<void()> selectCurrentSong;
        // The row shows the current song already, so choosing it changes nothing. Unset: the row's song is the
        // current song or has its file.
        std::function<bool(int row)> holdsCurrentSong = {};
        // The row that holds the song chosen at row once the save question is answered (saving may have read the
        // rows again); -1 when it is gone. Unset: the first row of the song's file.
        std::function<int(int row, const SongPtr &song)> rowAfterQuestion = {};
    };
    // The selection model's changes go through the rules from then on (also for a model set later).
    void setRowRules(RowRules rules);
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }

    // A right-click at a point of the viewport chooses its row, then answers the menu to show; nullptr when the
    // user cancelled the save question (no menu shows). A row whose song is not the current song passes the
    // save question and becomes current; the current song's own row is not made current again, which would
    // reload the editor. A single selection moves to the clicked row, several selected rows stay selected, and
    // a click below the last row selects nothing.
    QMenu *menuForEvent(const QPoint &position);

    // The selected rows, ascending.
    QList<int> selectedRows() const;
    // The row after the last selected row (offset 1) or before the first one (offset -1), and its song; -1 and
    // nullptr without a selection or past the ends.
    int rowNextToSelection(int offset) const;
    SongPtr songNextToSelection(int offset) const;
    // The songs of the selected rows, in row order; for the current song's file, the current song's object.
    QList<SongPtr> selectedSongs() const;
    // The first row whose song has this file; -1 when none has (always for an empty path).
    int rowOfPath(const QString &path) const;
    // Selects the row alone and scrolls it into view, asking nothing.
    void selectRowAlone(int row);
    // Type-select's search: the first row from startRow on, going round past the last row and stopping after
    // endRow, whose text starts with the typed text, ignoring case; -1 when none does or startRow is no row.
    template <typename TextOfRow>
    static int rowStartingWith(int startRow, int endRow, int rows, const QString &typed, TextOfRow textOfRow)
    {
        if (startRow < 0 || startRow >= rows)
            return -1;
        for (int row = startRow;; row = (row + 1) % rows) {
            if (textOfRow(row).startsWith(typed, Qt::CaseInsensitive))
                return row;
            if (row == endRow)
                return -1;
        }
    }
    // Chooses the row type-select found as a click would: a row of another song passes the save question and
    // becomes current. Answers the row; -1 for no row or a cancelled question, which selects the current song's
    // row again.
    int chooseTypedRow(int row);
    // Selects the current song's row alone, asking nothing; no row when the table does not hold the song.
    // Answers the current song when its row is selected.
    SongPtr selectRowOfCurrentSong();
    // Selects the rows of these files, asking nothing.
    void selectRowsOfPaths(const QStringList &paths);
    void clearSelectionQuietly();
    // Resets the model with resetModel; the columns keep their widths and visibility, and no question is asked.
    void reloadRows(const std::function<void()> &resetModel);

    // Column widths as fractions of the table's width (Time 0 while hidden); nothing for a table of no width.
    void saveColumnShares(VellorinWindowLayout &layout) const;
    // Applies the column widths; a Time width of 0 hides the Time column.
    void loadColumnShares(const VellorinWindowLayout &layout);

    // Asked for the row that typed text selects, searching from a start row to an end row (with wrap-around);
    // answers the row, or -1 when none matches.
    using TypeSelect = std::function<int(int startRow, int endRow, const QString &typed)>;
    void setTypeSelect(TypeSelect typeSelect) { m_typeSelect = std::move(typeSelect); }

    void keyboardSearch(const QString &search) override;
    void setModel(QAbstractItemModel *model) override;
    // Shows or hides the Time column; columns still at their first widths share the whole width again.
    void setTimeColumnShown(bool shown);
    // Sets a column's width as a share of the table's width; from then on the columns keep their shares.
    void setColumnShare(int column, double share);

Q_SIGNALS:
    // After every change of the selection, the program's own included.
    void selectionDidChange();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void connectSelection();
    void userSelectionChanged();
    bool holdsCurrentSong(int row) const;
    int rowAfterQuestion(int row, const SongPtr &song) const;
    bool chooseRowForMenu(int row);
    // Runs select as the program's own selecting, which asks nothing.
    void quietly(const std::function<void()> &select);
    void giveColumnsTheirFirstShares();
    void applyShares();
    void keepShareOfResizedColumn(int column, int oldWidth, int newWidth);

    RowRules m_rules;
    QMenu *m_contextMenu = nullptr;

    TypeSelect m_typeSelect;
    QString m_typed;
    // Each column's share of the viewport's width; empty until the columns are first sized (by the first
    // layout or a window layout).
    QList<double> m_shares;
    bool m_applyingShares = false;
    // The shares are the first ones the table gave, not sized by the user or a window layout.
    bool m_sharesAreFirstOnes = false;
    qint64 m_lastTypedMs = 0;
};
