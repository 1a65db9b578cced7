// The song list's commands on songs and folders: deleting and re-filing the selected songs, and choosing the
// song folder.
#include "songlistviewcontroller.h"

#include "appcontext.h"
#include "categoryname.h"
#include "dialogs.h"
#include "midi.h"
#include "panecontrollers.h"
#include "pdfsong.h"
#include "prefs.h"
#include "songfolderchoice.h"
#include "songs.h"
#include "urlopener.h"
#include "vellorinappdelegate.h"

#include <QFile>
#include <QGuiApplication>
#include <QUrl>

namespace {

bool containsPath(const QList<SongPtr> &songs, const QString &path)
{
    return std::any_of(songs.cbegin(), songs.cend(), [&](const SongPtr &song) { return song->path() == path; });
}

} // namespace

void SongListViewController::deleteSelectedSongs()
{
    // The question names exactly the songs that go: the selected ones.
    const QList<SongPtr> songs = selectedSongs();
    if (songs.isEmpty())
        return;
    QStringList descriptions;
    for (const SongPtr &song : songs)
        descriptions.append(song->description());
    Dialogs::Alert alert;
    alert.title = songs.size() > 1 ? tr("Delete %1 songs?").arg(songs.size()) : tr("Delete song?");
    alert.informativeText = descriptions.join(u'\n');
    alert.defaultButton = tr("Delete");
    alert.alternateButton = tr("Cancel");
    if (m_dialogs.runAlert(alert) != Dialogs::Answer::Default)
        return;

    VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    const SongPtr shown = delegate ? delegate->currentSong() : nullptr;
    const bool deletesShown = shown && containsPath(songs, shown->path());
    // A song that goes to the trash must not come back: its edits are dropped, and afterwards it no longer names
    // its file, so no later save writes to the old place.
    if (deletesShown && delegate->panes().songEdit)
        delegate->panes().songEdit->discardEdits();
    const int firstRow = selectedRows().value(0, 0);
    AppContext::instance()->temporaryStopFSRefresh();
    bool shownTrashed = false;
    for (const SongPtr &song : songs) {
        // A file that cannot be moved stays in the list that follows.
        if (QFile::moveToTrash(song->path()))
            shownTrashed = shownTrashed || (deletesShown && song->path() == shown->path());
        if (Midi *midi = delegate ? delegate->midi() : nullptr)
            midi->deleteSong(*song);
    }
    if (shownTrashed)
        shown->setPath(QString());
    refresh();
    if (deletesShown)
        showRowInPlaceOfDeleted(firstRow);
}

void SongListViewController::showRowInPlaceOfDeleted(int row)
{
    const int rows = library()->numberOfRows();
    if (rows == 0)
        return;
    row = std::min(row, rows - 1);
    selectRowAlone(row);
    shouldSelectRow(row);
}

void SongListViewController::changeCategoryOfSelectedSongs()
{
    const QList<SongPtr> songs = selectedSongs();
    const Songs *songLibrary = library();
    if (songs.isEmpty() || !songLibrary)
        return;
    Dialogs::TextPrompt prompt;
    prompt.title = tr("Change Category");
    prompt.text = songLibrary->currentCategory().value_or(QString());
    prompt.choices = songLibrary->categories().categories();
    prompt.defaultButton = tr("OK");
    prompt.alternateButton = tr("Cancel");
    const std::optional<QString> typed = m_dialogs.runTextPrompt(prompt);
    if (!typed)
        return;
    const std::optional<QString> category = CategoryName::fromTypedText(*typed);
    if (!category) {
        Dialogs::Alert alert;
        alert.title = tr("\"%1\" cannot be a category.").arg(*typed);
        alert.informativeText = tr("A category is a folder inside the song folder; its name cannot begin with \".\".");
        alert.defaultButton = tr("OK");
        m_dialogs.runAlert(alert);
        return;
    }
    // The edits of the song shown go into its file before the file moves.
    VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    if (delegate && !delegate->saveCurrentSongInteractive(false))
        return;
    const SongPtr shown = delegate ? delegate->currentSong() : nullptr;
    AppContext::instance()->temporaryStopFSRefresh();
    for (const SongPtr &song : songs) {
        if (song->category() == *category)
            continue;
        const QString oldPath = song->path();
        auto *pdf = dynamic_cast<PDFSong *>(song.get());
        const bool moved = pdf ? pdf->changeCategory(*category, true) : refile(*song, *category);
        // The song shown may be another object for the same file: it follows the file.
        if (moved && shown && shown != song && shown->path() == oldPath) {
            shown->setPath(song->path());
            shown->setCategory(song->category());
        }
    }
    refresh();
}

bool SongListViewController::refile(Song &song, const QString &category)
{
    // The song is written into its new folder first; its old file goes only once the new one is safe.
    const QString oldPath = song.path();
    const QString oldCategory = song.category();
    song.setPath(QString());
    song.setCategory(category);
    if (!song.save()) {
        song.setPath(oldPath);
        song.setCategory(oldCategory);
        return false;
    }
    if (!oldPath.isEmpty() && oldPath != song.path())
        QFile::remove(oldPath);
    return true;
}

void SongListViewController::selectSongDir()
{
    Prefs *prefs = settings();
    if (!prefs)
        return;
    if (QGuiApplication::keyboardModifiers() & Qt::AltModifier) {
        UrlOpener::open(QUrl::fromLocalFile(prefs->songDirectoryPath()));
        return;
    }
    Dialogs::FolderPanel panel;
    panel.message = tr("Select Song Folder");
    panel.directory =
        SongFolderChoice::startFolder(prefs->songDirectoryPath(), Prefs::defaultSongDirectory(), Prefs::docDirectory());
    const QString chosen = m_dialogs.runFolderPanel(panel);
    if (chosen.isEmpty()) {
        if (prefs->songDirectoryPath().isEmpty())
            m_quitWithoutSongFolder();
        return;
    }
    useSongFolder(SongFolderChoice::songFolderForChoice(chosen, Prefs::docDirectory()));
}

void SongListViewController::useSongFolder(const QString &songFolder)
{
    Prefs *prefs = settings();
    prefs->setSongDirectoryPath(songFolder);
    prefs->save();
    // The library's refresh makes the folder when it is missing.
    if (Songs *songs = library())
        songs->refresh();
    prefs->initChordsForCurrentInstrument();
    refresh();
    SongFolderChoice::store(songFolder);
    if (VellorinAppDelegate *delegate = VellorinAppDelegate::instance())
        delegate->startWatchingSongFolder();
}
