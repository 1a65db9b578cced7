// A playlist as the playlists pane's table model, with the drag that reorders it.
#include "playlisttablemodel.h"

#include "appcontext.h"
#include "log.h"
#include "notesong.h"
#include "playlist.h"
#include "song.h"
#include "songcolumns.h"
#include "songdrag.h"
#include "songs.h"
#include "songstablemodel.h"

#include <QDataStream>
#include <QFont>
#include <QIODevice>
#include <QMimeData>

#include <set>

const QString PlayListTableModel::songItemType = QStringLiteral("SongItemType");

namespace {

// The library's song for a row's entry; nullptr without a library, an entry or such a song.
SongPtr librarySongFor(const SongPtr &entry)
{
    Songs *library = AppContext::instance()->songs();
    return library && entry ? library->songForSong(entry) : nullptr;
}

// The rows travel with the identity of the table they come from, so only that table accepts them.
QByteArray encodedRows(const void *source, const std::set<int> &rows)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << quint64(reinterpret_cast<quintptr>(source)) << QList<int>(rows.begin(), rows.end());
    return bytes;
}

std::optional<QList<int>> decodedRows(const QMimeData *data, const void *source)
{
    if (!data || !data->hasFormat(PlayListTableModel::songItemType))
        return std::nullopt;
    QDataStream stream(data->data(PlayListTableModel::songItemType));
    quint64 sender = 0;
    QList<int> rows;
    stream >> sender >> rows;
    if (stream.status() != QDataStream::Ok || sender != quint64(reinterpret_cast<quintptr>(source)) || rows.isEmpty())
        return std::nullopt;
    return rows;
}

} // namespace

PlayListTableModel::PlayListTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

void PlayListTableModel::setPlayList(const std::shared_ptr<PlayList> &playList)
{
    beginResetModel();
    m_playList = playList;
    endResetModel();
}

void PlayListTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

int PlayListTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_playList ? 0 : int(m_playList->songs().size());
}

int PlayListTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SongColumns::ColumnCount;
}

QVariant PlayListTableModel::data(const QModelIndex &index, int role) const
{
    const SongPtr entry = m_playList ? m_playList->songForRow(index.row()) : nullptr;
    if (!entry)
        return QVariant();
    if (role == Qt::DisplayRole)
        return displayText(index.row(), index.column());
    if (role != Qt::FontRole)
        return QVariant();
    // Notes in italics; a key the playlist asks for in bold.
    QFont font;
    if (index.column() == SongColumns::Title && entry->isNote())
        font.setItalic(true);
    else if (index.column() == SongColumns::Key && !entry->playlistkey().value_or(QString()).isEmpty())
        font.setBold(true);
    else
        return QVariant();
    return font;
}

QVariant PlayListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QVariant header = SongsTableModel::columnHeader(section, orientation, role);
    return header.isValid() ? header : QAbstractTableModel::headerData(section, orientation, role);
}

QVariant PlayListTableModel::displayText(int row, int column) const
{
    const SongPtr entry = m_playList->songForRow(row);
    const SongPtr song = librarySongFor(entry);
    switch (column) {
    case SongColumns::Title:
        if (const auto *note = dynamic_cast<const NoteSong *>(entry.get()))
            return note->noteText();
        return SongColumns::title(entry->title(), song.get());
    case SongColumns::Subtitle:
        return entry->subtitle();
    case SongColumns::Key: {
        const QString playlistKey = entry->playlistkey().value_or(QString());
        if (!playlistKey.isEmpty())
            return SongColumns::key(playlistKey);
        return song ? SongColumns::key(song->key()) : QString();
    }
    default:
        return song ? SongColumns::playingTime(song->playingTime()) : QString();
    }
}

Qt::ItemFlags PlayListTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index) | Qt::ItemIsDropEnabled;
    return index.isValid() ? flags | Qt::ItemIsDragEnabled : flags;
}

QStringList PlayListTableModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list"), songItemType};
}

QMimeData *PlayListTableModel::mimeData(const QModelIndexList &indexes) const
{
    const std::set<int> rows = SongDrag::rowsOf(indexes);
    QMimeData *data = SongDrag::fileUrls(
        rows, [this](int row) { return m_playList ? librarySongFor(m_playList->songForRow(row)) : nullptr; });
    data->setData(songItemType, encodedRows(this, rows));
    return data;
}

std::optional<std::pair<int, int>> PlayListTableModel::dropMove(const QMimeData *data, int row,
                                                                const QModelIndex &parent) const
{
    const std::optional<QList<int>> rows = decodedRows(data, this);
    if (!rows || !m_playList)
        return std::nullopt;
    // A drop onto a row goes above it; a drop below the last row goes to the end.
    const int target = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
    if (target > rowCount() || rows->first() < 0 || rows->first() >= rowCount())
        return std::nullopt;
    return std::make_pair(rows->first(), target);
}

bool PlayListTableModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int row, int,
                                         const QModelIndex &parent) const
{
    return dropMove(data, row, parent).has_value();
}

bool PlayListTableModel::dropMimeData(const QMimeData *data, Qt::DropAction, int row, int, const QModelIndex &parent)
{
    const std::optional<std::pair<int, int>> move = dropMove(data, row, parent);
    if (!move || move->first == move->second)
        return false;
    const auto [from, target] = *move;
    Log::write(QStringLiteral("Move song index %1 to %2").arg(from).arg(target));
    // Only the first dragged entry moves; coming from above, it lands one row higher.
    const int to = from < target ? target - 1 : target;
    if (to != from) {
        beginMoveRows(QModelIndex(), from, from, QModelIndex(), target);
        m_playList->moveSong(from, to);
        endMoveRows();
    }
    if (!m_playList->save()) {
        // The playlist went back to its file's order.
        beginResetModel();
        endResetModel();
    }
    Q_EMIT reordered();
    return true;
}
