// The delegate's calls on the song library and the playlists.
#include "vellorinappdelegate.h"

void VellorinAppDelegate::refreshLibrary()
{}

void VellorinAppDelegate::refreshPlaylists()
{}

void VellorinAppDelegate::setLibraryCategory(const std::optional<QString> &category)
{
    Q_UNUSED(category);
}

std::optional<QString> VellorinAppDelegate::libraryCategory() const
{
    return std::nullopt;
}

SongPtr VellorinAppDelegate::librarySongForReference(const QString &reference) const
{
    Q_UNUSED(reference);
    return nullptr;
}

bool VellorinAppDelegate::libraryContainsPath(const QString &path) const
{
    Q_UNUSED(path);
    return false;
}

void VellorinAppDelegate::updatePlaylistsForSong(const Song &onDisk, const Song &edited)
{
    Q_UNUSED(onDisk);
    Q_UNUSED(edited);
}

void VellorinAppDelegate::updatePlaylistsForNote(const Song &note)
{
    Q_UNUSED(note);
}
