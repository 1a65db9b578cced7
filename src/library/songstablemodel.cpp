// The library as the song list's table model.
#include "songstablemodel.h"

#include "song.h"
#include "songcolumns.h"
#include "songdrag.h"
#include "songs.h"

#include <QMimeData>

SongsTableModel::SongsTableModel(Songs &songs, QObject *parent)
    : QAbstractTableModel(parent)
    , m_songs(songs)
{}

void SongsTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

int SongsTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_songs.numberOfRows();
}

int SongsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SongColumns::ColumnCount;
}

QVariant SongsTableModel::data(const QModelIndex &index, int role) const
{
    const SongPtr song = m_songs.songForRow(index.row());
    if (!song || role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case SongColumns::Title:
        return SongColumns::title(song->title(), song.get());
    case SongColumns::Subtitle:
        return song->subtitle();
    case SongColumns::Key:
        return SongColumns::key(song->key());
    default:
        return SongColumns::playingTime(song->playingTime());
    }
}

Qt::ItemFlags SongsTableModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | (index.isValid() ? Qt::ItemIsDragEnabled : Qt::NoItemFlags);
}

QStringList SongsTableModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData *SongsTableModel::mimeData(const QModelIndexList &indexes) const
{
    return SongDrag::fileUrls(SongDrag::rowsOf(indexes), [this](int row) { return m_songs.songForRow(row); });
}
