// Every playlist of the song folder, in the order the settings ask for.
#pragma once

#include "popupmenuitem.h"

#include <QList>
#include <QString>

#include <memory>

class NoteSong;
class PlayList;
class Song;

// Playlists are the ".lst" files in the song folder and its category folders. One collection exists
// (AppContext::playlists()). Main thread only.
class PlayLists
{
public:
    // Reads the playlists at once.
    PlayLists();

    // Reads every playlist again, then sorts: by file date, newest first, with the setting
    // sortPlaylistsByDate, else by title ignoring case.
    void refresh();
    int count() const { return int(m_playlists.size()); }
    // nullptr outside the list.
    std::shared_ptr<PlayList> playListAtIndex(int index) const;
    // The first playlist with exactly this title; nullptr when none.
    std::shared_ptr<PlayList> playlistWithTitle(const QString &title) const;
    // The playlist of this title; a new one (saved when the title is not empty) when there is none. nullptr
    // when the new one's file cannot be written: no playlist is added then.
    std::shared_ptr<PlayList> addPlaylistWithTitle(const QString &title);
    // Moves the playlist's file to the Trash and drops it from the list. False when the file stays (the user has
    // been told), and the playlist stays in the list too.
    bool deletePlayListAtIndex(int index);
    // After a song's title or subtitle changed: the entries naming the old song take the new title and
    // subtitle, and each playlist that changed is saved.
    void updatePlaylistsForSong(const Song &oldSong, const Song &newSong);
    // After a note's text changed: every playlist holding this very note is saved.
    void updateNoteSong(const NoteSong *note);
    // One item per playlist, tagged with its index: the title, or with counts "Title (12, 45:10)".
    QList<PopupMenuItem> popupMenuItems(bool withCount) const;

    const QList<std::shared_ptr<PlayList>> &playlists() const { return m_playlists; }
    void setPlaylists(const QList<std::shared_ptr<PlayList>> &playlists) { m_playlists = playlists; }

private:
    void readPlaylistsIn(const QString &folder, bool withSubfolders);
    void sort();

    QList<std::shared_ptr<PlayList>> m_playlists;
};
