// The playlists pane's table: one playlist's entries as a Qt table model, reordered by dragging.
#pragma once

#include <QAbstractTableModel>

#include <memory>
#include <optional>
#include <utility>

class PlayList;

// Entries are shown through the library's songs (Songs::songForSong); an entry whose song is gone shows its
// own title and subtitle. Dragged rows go out as the songs' file URLs and, for reordering inside this table,
// as the private type "SongItemType". A drop from this table moves the first dragged entry and saves the playlist.
class PlayListTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The MIME type of the dragged row numbers.
    static const QString songItemType;

    explicit PlayListTableModel(QObject *parent = nullptr);

    std::shared_ptr<PlayList> playList() const { return m_playList; }
    // Shows another playlist (nullptr shows nothing).
    void setPlayList(const std::shared_ptr<PlayList> &playList);
    // Shows the playlist's entries again after an edit.
    void reload();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The song tables' four headers.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction | Qt::MoveAction; }
    // Only rows dragged from this very table, onto a row (meaning above it) or between rows.
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

Q_SIGNALS:
    // A drag moved an entry and the playlist was saved: the pane shows the playlist's counts again.
    void reordered();

private:
    // The first dragged row and the row it is dropped at; nullopt for a drag from elsewhere.
    std::optional<std::pair<int, int>> dropMove(const QMimeData *data, int row, const QModelIndex &parent) const;
    QVariant displayText(int row, int column) const;

    std::shared_ptr<PlayList> m_playList;
};
