// Files dropped on the main window: settings and layout files are applied, songs and PDFs are taken into the
// library and shown, other files dropped on the editor become links in the song text.
#include "vellorinappdelegate.h"

#include "dialogs.h"
#include "filepath.h"
#include "filestamp.h"
#include "log.h"
#include "mainwindow.h"
#include "panesplitview.h"
#include "pdfsong.h"
#include "prefs.h"
#include "songs.h"
#include "songviewviewcontroller.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace {

bool paneViewContains(const QWidget *view, const QWidget &window, const QPoint &windowPos)
{
    return view && view->isVisible() && QRect(view->mapTo(&window, QPoint(0, 0)), view->size()).contains(windowPos);
}

} // namespace

void VellorinAppDelegate::registerForDraggedFiles()
{
    MainWindow::FileDrops drops;
    drops.accepts = [this](const QStringList &paths, const QPoint &position) { return acceptsDrop(paths, position); };
    drops.perform = [this](const QStringList &paths, const QPoint &position) { return performDrop(paths, position); };
    m_window->setFileDrops(std::move(drops));
}

bool VellorinAppDelegate::isOverListPane(const QPoint &windowPos) const
{
    // Whatever list the list pane shows: the song list, the tags or the playlists.
    return m_splitView && paneViewContains(m_splitView->paneView(PaneSplitView::ListPane), *m_window, windowPos);
}

bool VellorinAppDelegate::isOverEditor(const QPoint &windowPos) const
{
    return m_splitView && isSongEditVisible() &&
           paneViewContains(m_splitView->paneView(PaneSplitView::SongEditPane), *m_window, windowPos);
}

bool VellorinAppDelegate::acceptsDrop(const QStringList &paths, const QPoint &windowPos) const
{
    if (paths.isEmpty())
        return false;
    // The editor's text takes every drop of files: it links what it can and passes over the songs.
    if (isOverEditor(windowPos))
        return true;
    switch (FileKind::of(paths.first())) {
    case FileKind::FontSettings:
    case FileKind::Layout:
        return true;
    case FileKind::Song:
    case FileKind::Pdf:
        return isOverListPane(windowPos);
    case FileKind::Text:
    case FileKind::Binary:
        return false;
    }
    return false;
}

bool VellorinAppDelegate::performDrop(const QStringList &paths, const QPoint &windowPos)
{
    if (paths.isEmpty())
        return false;
    if (isOverEditor(windowPos))
        return dropOnEditor(paths);
    saveCurrentSongInteractive(false);
    SongPtr last;
    for (const QString &path : paths) {
        const FileKind::Kind kind = FileKind::of(path);
        if (applySettingsFile(path, kind))
            return true;
        if (SongPtr song = importDroppedFile(path, kind))
            last = song;
    }
    if (!last)
        return false;
    setCurrentSong(last);
    if (m_panes.songList)
        m_panes.songList->refresh();
    if (m_panes.songEdit)
        m_panes.songEdit->refresh();
    return true;
}

bool VellorinAppDelegate::dropOnEditor(const QStringList &paths)
{
    // Only the song being edited changes: its text gets the links, which are saved as any typing is. Song files
    // are passed over, nothing is imported and the current song stays.
    for (const QString &path : paths) {
        const FileKind::Kind kind = FileKind::of(path);
        if (applySettingsFile(path, kind))
            return true;
        if (kind != FileKind::Song && m_panes.songEdit)
            m_panes.songEdit->insertFileLink(path);
    }
    return true;
}

bool VellorinAppDelegate::applySettingsFile(const QString &path, FileKind::Kind kind)
{
    // Font settings and layouts apply wherever they are dropped; files dropped with them are left alone.
    if (kind == FileKind::FontSettings) {
        m_prefs->importFontPrefs(path);
        m_songViewViewController->refresh();
        return true;
    }
    if (kind == FileKind::Layout) {
        m_splitView->loadLayout(path);
        return true;
    }
    return false;
}

SongPtr VellorinAppDelegate::importDroppedFile(const QString &path, FileKind::Kind kind)
{
    if (kind == FileKind::Pdf)
        return importDroppedPdf(path);
    if (kind == FileKind::Binary) {
        // An image or an archive dropped with songs would otherwise become a junk song.
        Log::write(QStringLiteral("Not importing %1: it is no text").arg(path));
        return nullptr;
    }
    auto song = std::make_shared<Song>(path);
    song->setPath(QString());
    song->setCategory(libraryCategory().value_or(QString()));
    if (!song->save()) {
        reportSaveFailure(*song);
        return nullptr;
    }
    return song;
}

SongPtr VellorinAppDelegate::importDroppedPdf(const QString &path)
{
    // Into the root of the song folder under its own name; a file of that name already there is shown instead.
    const QString folder = m_prefs->songDirectoryPath();
    const QString target = QDir(folder).filePath(QFileInfo(path).fileName());
    temporaryStopFSRefresh();
    QString error = QStringLiteral("no song folder is set");
    const bool there = !folder.isEmpty() && (FilePath::isFile(target) ||
                                             (!FileStamp::of(target).exists() && TextFile::copy(path, target, &error)));
    if (!there) {
        Log::write(QStringLiteral("Could not copy %1 to %2: %3").arg(path, target, error));
        Dialogs::Alert alert;
        alert.title = tr("The PDF %1 could not be copied into the song folder.").arg(QFileInfo(path).fileName());
        alert.defaultButton = tr("OK");
        m_dialogs.runAlert(alert);
        return nullptr;
    }
    return std::make_shared<PDFSong>(target);
}
