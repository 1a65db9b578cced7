// The song tables of the list panes: a list of songs as a Qt table model, dragged out as song files.
#pragma once

#include "song.h"

#include <QAbstractTableModel>
#include <QList>

#include <functional>

class Songs;

// Rows are the songs a function answers (the library's rows, or a tag's songs); columns are those of
// SongColumns.
class SongsTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Asked for the rows whenever the table reads them; the list must live as long as the model reads it.
    using Rows = std::function<const QList<SongPtr> &()>;
    explicit SongsTableModel(Rows rows, QObject *parent = nullptr);
    // The library's rows: the filtered songs while a filter is set.
    explicit SongsTableModel(Songs &songs, QObject *parent = nullptr);

    // Shows the rows again (after a refresh, a filter or a new order).
    void reload();
    // The song of a row; nullptr outside the rows.
    SongPtr songForRow(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The horizontal header of a song table: "Title", "Subtitle", "Key", "Time"; the playlist table's too.
    static QVariant columnHeader(int section, Qt::Orientation orientation, int role);
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Dragged songs go out as their files' URLs, to be copied: a drop elsewhere never moves a song away.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    Rows m_rows;
};
