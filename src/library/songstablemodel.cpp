// The library as the song list's table model.
#include "songstablemodel.h"

#include "log.h"
#include "song.h"
#include "songcolumns.h"
#include "songs.h"

#include <QMimeData>
#include <QUrl>

#include <set>

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
    std::set<int> rows; // one URL per row, whatever the columns selected
    for (const QModelIndex &index : indexes)
        rows.insert(index.row());
    QList<QUrl> urls;
    for (int row : rows) {
        const SongPtr song = m_songs.songForRow(row);
        if (!song || song->path().isEmpty())
            continue;
        const QUrl url = QUrl::fromLocalFile(song->path());
        Log::write(QStringLiteral("Adding %1").arg(url.toString()));
        urls.append(url);
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}
