// A list of songs as the song tables' model.
#include "songstablemodel.h"

#include "song.h"
#include "songcolumns.h"
#include "songdrag.h"
#include "songs.h"

#include <QMimeData>

SongsTableModel::SongsTableModel(Rows rows, QObject *parent)
    : QAbstractTableModel(parent)
    , m_rows(std::move(rows))
{}

SongsTableModel::SongsTableModel(Songs &songs, QObject *parent)
    : SongsTableModel([&songs]() -> const QList<SongPtr> & { return songs.rows(); }, parent)
{}

void SongsTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

SongPtr SongsTableModel::songForRow(int row) const
{
    const QList<SongPtr> &rows = m_rows();
    return row >= 0 && row < rows.size() ? rows.at(row) : nullptr;
}

int SongsTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows().size());
}

int SongsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SongColumns::ColumnCount;
}

QVariant SongsTableModel::data(const QModelIndex &index, int role) const
{
    const SongPtr song = songForRow(index.row());
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

QVariant SongsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QVariant header = columnHeader(section, orientation, role);
    return header.isValid() ? header : QAbstractTableModel::headerData(section, orientation, role);
}

QVariant SongsTableModel::columnHeader(int section, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    const QStringList headers = {tr("Title"), tr("Subtitle"), tr("Key"), tr("Time")};
    return headers.value(section);
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
    return SongDrag::fileUrls(SongDrag::rowsOf(indexes), [this](int row) { return songForRow(row); });
}
