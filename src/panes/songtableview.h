// The song list's table: rows are whole songs, typing selects by the sorted column, and the columns keep their
// share of the width when the table is resized.
#pragma once

#include <QTableView>

#include <functional>

class SongTableView : public QTableView
{
    Q_OBJECT

public:
    explicit SongTableView(QWidget *parent = nullptr);

    // Asked for the row that typed text selects, searching from a start row to an end row (with wrap-around);
    // answers the row, or -1 when none matches.
    using TypeSelect = std::function<int(int startRow, int endRow, const QString &typed)>;
    void setTypeSelect(TypeSelect typeSelect) { m_typeSelect = std::move(typeSelect); }

    void keyboardSearch(const QString &search) override;
    void setModel(QAbstractItemModel *model) override;
    // Sets a column's width as a share of the table's width; from then on the columns keep their shares.
    void setColumnShare(int column, double share);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void giveColumnsTheirFirstShares();
    void applyShares();
    void keepShareOfResizedColumn(int column, int oldWidth, int newWidth);

    TypeSelect m_typeSelect;
    QString m_typed;
    // Each column's share of the viewport's width; empty until the columns are first sized (by the first
    // layout or a window layout).
    QList<double> m_shares;
    bool m_applyingShares = false;
    qint64 m_lastTypedMs = 0;
};
