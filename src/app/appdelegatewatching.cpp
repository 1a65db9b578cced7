// The delegate watching the song folder: changes made by other programs refresh the library a moment after the
// last of them, while the program's own writes and unsaved edits in the editor keep them away.
#include "vellorinappdelegate.h"

#include "dialogs.h"
#include "folderwatcher.h"
#include "log.h"
#include "playlists.h"
#include "prefs.h"
#include "songs.h"
#include "songviewviewcontroller.h"

#include <QFileInfo>

#include <cstdio>

void VellorinAppDelegate::startWatchingSongFolder()
{
    // The old watcher goes with its pending changes: the old folder no longer refreshes anything.
    m_folderWatcher.reset();
    const QString folder = m_prefs->songDirectoryPath();
    if (folder.isEmpty())
        return;
    m_folderWatcher = std::make_unique<FolderWatcher>(folder, m_folderWatchDelays.latency);
    connect(m_folderWatcher.get(), &FolderWatcher::pathsChanged, this, &VellorinAppDelegate::songFolderEventsCallback);
}

void VellorinAppDelegate::songFolderEventsCallback(const QStringList &paths)
{
    std::fputs("Callback called\n", stdout);
    std::fflush(stdout);
    for (const QString &path : paths)
        filesChangedAtPath(path);
}

void VellorinAppDelegate::filesChangedAtPath(const QString &path)
{
    // Dropped, not deferred: the next change that is not dropped reads the whole folder again.
    if (canSave() || m_noFSRefresh)
        return;
    Log::write(QStringLiteral("filesChangedAt %1").arg(path));
    m_refreshTimer.start(m_folderWatchDelays.refresh);
}

void VellorinAppDelegate::refresh()
{
    Log::write(QStringLiteral("refresh current song path=%1").arg(m_currentSong ? m_currentSong->path() : QString()));
    refreshLibrary();
    // A sync service may have brought another version of the song shown. Shown as it is now, the song's next
    // directive write (capo, key, audio link) cannot put the old text back over it.
    if (m_currentSong && !canSave() && m_currentSong->fileChangedOnDisk()) {
        Log::write(QStringLiteral("Reading %1 again: another program changed it").arg(m_currentSong->path()));
        m_currentSong->reloadFromDisk();
    }
    refreshListPanes(LibraryRead::JustDone);
    if (m_songViewViewController)
        m_songViewViewController->refresh();
    if (m_panes.songEdit)
        m_panes.songEdit->refresh();
}

void VellorinAppDelegate::temporaryStopFSRefresh()
{
    m_noFSRefresh = true;
    m_enableFSRefreshTimer.start(m_folderWatchDelays.pause);
}

void VellorinAppDelegate::enableFSRefresh()
{
    m_enableFSRefreshTimer.stop();
    m_noFSRefresh = false;
}

void VellorinAppDelegate::setFolderWatchDelays(const FolderWatchDelays &delays)
{
    m_folderWatchDelays = delays;
    if (m_folderWatcher)
        startWatchingSongFolder();
}

void VellorinAppDelegate::pauseWatchingForWriteTo(const QString &path)
{
    const QString folder = m_prefs->songDirectoryPath();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!folder.isEmpty() && (absolute == folder || absolute.startsWith(folder + u'/')))
        temporaryStopFSRefresh();
}
