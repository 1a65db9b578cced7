// The song list pane's table: the library's rows as a Qt table model, dragged out as song files.
#pragma once

#include <QAbstractTableModel>

class Songs;

// Rows are those of Songs (the filtered songs while a filter is set); columns are those of SongColumns.
class SongsTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit SongsTableModel(Songs &songs, QObject *parent = nullptr);

    // Shows the library's rows again (after a refresh, a filter or a new order).
    void reload();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Dragged songs go out as their files' URLs, to be copied: a drop elsewhere never moves a song away.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    Songs &m_songs;
};
