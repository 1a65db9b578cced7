// The delegate's calls on the song library and the playlists.
#include "vellorinappdelegate.h"

#include "notesong.h"
#include "playlists.h"
#include "songs.h"

void VellorinAppDelegate::refreshLibrary()
{
    m_songs->refresh();
}

void VellorinAppDelegate::loadLibrary()
{
    m_songs->refreshInBackground();
}

void VellorinAppDelegate::refreshPlaylists()
{
    m_playlists->refresh();
}

void VellorinAppDelegate::setLibraryCategory(const std::optional<QString> &category)
{
    m_songs->setCurrentCategory(category);
}

std::optional<QString> VellorinAppDelegate::libraryCategory() const
{
    return m_songs->currentCategory();
}

SongPtr VellorinAppDelegate::librarySongForReference(const QString &reference)
{
    return m_songs->songForSong(Song::fromTitleSubtitleReference(reference));
}

bool VellorinAppDelegate::libraryContainsPath(const QString &path) const
{
    return m_songs->containsPath(path);
}

void VellorinAppDelegate::updatePlaylistsForSong(const Song &onDisk, const Song &edited)
{
    m_playlists->updatePlaylistsForSong(onDisk, edited);
}

void VellorinAppDelegate::updatePlaylistsForNote(const Song &note)
{
    m_playlists->updateNoteSong(dynamic_cast<const NoteSong *>(&note));
}
