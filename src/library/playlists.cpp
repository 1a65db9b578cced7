// Reading, ordering and keeping in step the playlists of the song folder.
#include "playlists.h"

#include "folderlisting.h"
#include "librarysettings.h"
#include "log.h"
#include "notesong.h"
#include "playlist.h"
#include "prefs.h"
#include "song.h"
#include "util.h"

#include <QDir>

#include <algorithm>

PlayLists::PlayLists()
{
    refresh();
}

void PlayLists::refresh()
{
    m_playlists.clear();
    const QString folder = Prefs::songDirectory();
    if (folder.isEmpty())
        return;
    readPlaylistsIn(folder, true);
    sort();
}

void PlayLists::readPlaylistsIn(const QString &folder, bool withSubfolders)
{
    for (const FolderListing::Entry &entry : FolderListing::sortedEntries(folder)) {
        const QString path = QDir(folder).filePath(entry.name);
        if (entry.isDir) {
            if (withSubfolders)
                readPlaylistsIn(path, false);
        } else if (PlayList::isPlayListFile(path)) {
            m_playlists.append(PlayList::fromFile(path));
        }
    }
}

void PlayLists::sort()
{
    const bool byDate = LibrarySettings::prefs().sortPlaylistsByDate();
    std::stable_sort(m_playlists.begin(), m_playlists.end(),
                     [byDate](const std::shared_ptr<PlayList> &a, const std::shared_ptr<PlayList> &b) {
                         return (byDate ? a->compareDate(*b) : a->compareTitle(*b)) < 0;
                     });
}

std::shared_ptr<PlayList> PlayLists::playListAtIndex(int index) const
{
    return m_playlists.value(index);
}

std::shared_ptr<PlayList> PlayLists::playlistWithTitle(const QString &title) const
{
    for (const std::shared_ptr<PlayList> &playlist : m_playlists)
        if (playlist->title() == title)
            return playlist;
    return nullptr;
}

std::shared_ptr<PlayList> PlayLists::addPlaylistWithTitle(const QString &title)
{
    if (std::shared_ptr<PlayList> existing = playlistWithTitle(title))
        return existing;
    auto playlist = std::make_shared<PlayList>();
    playlist->setTitle(title);
    if (!title.isEmpty() && !playlist->save())
        return nullptr;
    m_playlists.append(playlist);
    sort();
    return playlist;
}

bool PlayLists::deletePlayListAtIndex(int index)
{
    if (index < 0 || index >= m_playlists.size() || !m_playlists.at(index)->deleteFromFileSystem())
        return false;
    m_playlists.removeAt(index);
    return true;
}

void PlayLists::updatePlaylistsForSong(const Song &oldSong, const Song &newSong)
{
    if (oldSong.title() == newSong.title() && oldSong.subtitle() == newSong.subtitle())
        return;
    for (const std::shared_ptr<PlayList> &playlist : std::as_const(m_playlists))
        if (playlist->updateSong(oldSong, newSong))
            playlist->save();
}

void PlayLists::updateNoteSong(const NoteSong *note)
{
    for (const std::shared_ptr<PlayList> &playlist : std::as_const(m_playlists)) {
        const QList<SongPtr> &entries = playlist->songs();
        const bool holdsNote =
            std::any_of(entries.begin(), entries.end(), [note](const SongPtr &entry) { return entry.get() == note; });
        if (!holdsNote)
            continue;
        Log::write(QStringLiteral("Updating playlist %1 with note %2").arg(playlist->title(), note->text()));
        playlist->save();
    }
}

QList<PopupMenuItem> PlayLists::popupMenuItems(bool withCount) const
{
    QList<PopupMenuItem> items;
    for (qsizetype index = 0; index < m_playlists.size(); ++index) {
        const PlayList &playlist = *m_playlists.at(index);
        const QString title = withCount
                                  ? Util::addCount(playlist.songsCount(), playlist.totalPlayingTime(), playlist.title())
                                  : playlist.title();
        items.append({title, int(index), {}});
    }
    return items;
}
