// The export commands (the current song, or every selected song into a folder) and the songs selected in the
// list pane shown.
#include "vellorinappdelegate.h"

#include "dialogs.h"
#include "panelfolders.h"
#include "prefs.h"
#include "songs.h"

#include <QDir>
#include <QFileInfo>

void VellorinAppDelegate::exportRTF()
{
    exportSongs(ExportFormat::RTF);
}

void VellorinAppDelegate::exportTab()
{
    exportSongs(ExportFormat::Tab);
}

void VellorinAppDelegate::exportSongs(ExportFormat format)
{
    const QString extension = format == ExportFormat::RTF ? QStringLiteral("rtf") : QStringLiteral("tab");
    const auto write = [format](const Song &song, const QString &path) {
        return format == ExportFormat::RTF ? song.exportRTFtoURL(path) : song.exportTabtoURL(path);
    };
    const QList<SongPtr> songs = selectedSongs();
    if (songs.size() < 2) {
        const QString path =
            chooseExportFile(extension, format == ExportFormat::RTF
                                            ? QStringList{extension}
                                            : QStringList{extension, QStringLiteral("crd"), QStringLiteral("txt")});
        if (!path.isEmpty())
            write(*m_currentSong, path);
        return;
    }
    const QString folder = chooseExportFolder(tr("Select Folder for output"), extension);
    if (folder.isEmpty())
        return;
    // Each name is made unique against the files written before it, so songs of one name keep one another.
    for (const SongPtr &song : songs)
        write(*song, QDir(folder).filePath(song->exportFileName(extension, folder)));
}

void VellorinAppDelegate::exportHTML()
{
    const QList<SongPtr> songs = selectedSongs();
    if (songs.isEmpty())
        return;
    const QString folder = chooseExportFolder(tr("Select Folder for HTML output"), QStringLiteral("html"));
    if (folder.isEmpty())
        return;
    for (const SongPtr &song : songs)
        song->exportHTMLtoURL(folder);
}

void VellorinAppDelegate::exportTXT()
{
    const QString path = chooseExportFile(QStringLiteral("txt"), {QStringLiteral("txt")});
    if (!path.isEmpty())
        m_currentSong->exportTXTtoURL(path);
}

QString VellorinAppDelegate::chooseExportFile(const QString &extension, const QStringList &types)
{
    if (!m_currentSong)
        return QString();
    Dialogs::SavePanel panel;
    panel.directory = PanelFolders::start(extension);
    panel.fileName = m_currentSong->exportFileName(extension, panel.directory);
    panel.allowedTypes = types;
    const QString path = m_dialogs.runSavePanel(panel);
    if (path.isEmpty())
        return path;
    PanelFolders::remember(extension, QFileInfo(path).absolutePath());
    pauseWatchingForWriteTo(path);
    return path;
}

QString VellorinAppDelegate::chooseExportFolder(const QString &message, const QString &kind)
{
    Dialogs::FolderPanel panel;
    panel.directory = PanelFolders::start(kind);
    panel.message = message;
    panel.prompt = tr("Select Folder");
    const QString folder = m_dialogs.runFolderPanel(panel);
    if (folder.isEmpty())
        return folder;
    PanelFolders::remember(kind, folder);
    pauseWatchingForWriteTo(folder);
    return folder;
}

QList<SongPtr> VellorinAppDelegate::selectedSongs() const
{
    if (m_prefs->showTags())
        return m_panes.tags ? m_panes.tags->selectedSongs() : QList<SongPtr>();
    if (m_prefs->showPlaylists()) {
        QList<SongPtr> songs;
        if (!m_panes.playlists)
            return songs;
        for (const SongPtr &entry : m_panes.playlists->selectedSongs()) {
            if (const SongPtr song = m_songs->songForSong(entry)) {
                song->setPlaylistkey(entry->playlistkey());
                songs.append(song);
            }
        }
        return songs;
    }
    return m_panes.songList ? m_panes.songList->selectedSongs() : QList<SongPtr>();
}
