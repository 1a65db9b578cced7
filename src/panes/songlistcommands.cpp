// The song list's commands on songs and folders: deleting and re-filing the selected songs, and choosing the
// song folder.
#include "songlistviewcontroller.h"

#include "appcontext.h"
#include "categoryname.h"
#include "dialogs.h"
#include "filename.h"
#include "filepath.h"
#include "midi.h"
#include "panecontrollers.h"
#include "pdfsong.h"
#include "prefs.h"
#include "songfolderchoice.h"
#include "songs.h"
#include "songtableview.h"
#include "songtrash.h"
#include "urlopener.h"
#include "vellorinappdelegate.h"

#include <QDir>
#include <QGuiApplication>
#include <QUrl>

#include <unistd.h>

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

    const int firstRow = m_songsTable->selectedRows().value(0, 0);
    const bool deletesShown = SongTrash::moveToTrash(songs);
    VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    if (Midi *midi = delegate ? delegate->midi() : nullptr) {
        for (const SongPtr &song : songs)
            if (song->path().isEmpty() || !FilePath::isFile(song->path())) // a song left where it was keeps it
                midi->deleteSong(*song);
    }
    // A load under way may have listed the files before they went: the rows are read again once it is taken.
    library()->whenLoaded(this, [this, firstRow, deletesShown] {
        refresh();
        if (deletesShown)
            showRowInPlaceOfDeleted(firstRow);
    });
}

void SongListViewController::showRowInPlaceOfDeleted(int row)
{
    const int rows = library()->numberOfRows();
    if (rows == 0)
        return;
    row = std::min(row, rows - 1);
    m_songsTable->selectRowAlone(row);
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
    const QStringList categories = songLibrary->categories().categories();
    prompt.text = FileName::displayName(songLibrary->currentCategory().value_or(QString()));
    for (const QString &category : categories)
        prompt.choices.append(FileName::displayName(category));
    prompt.defaultButton = tr("OK");
    prompt.alternateButton = tr("Cancel");
    const std::optional<QString> typed = m_dialogs.runTextPrompt(prompt);
    if (!typed)
        return;
    const std::optional<QString> category = CategoryName::fromTypedText(CategoryName::realName(*typed, categories));
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
    QStringList notMoved;
    QString why;
    for (const SongPtr &song : songs) {
        if (song->category() == *category)
            continue;
        const QString oldPath = song->path();
        auto *pdf = dynamic_cast<PDFSong *>(song.get());
        const bool moved = pdf ? pdf->changeCategory(*category, true) : refile(*song, *category);
        if (!moved) {
            notMoved.append(song->quotedTitle());
            why = song->saveFailure();
            continue;
        }
        // The song shown may be another object for the same file: it follows the file.
        if (shown && shown != song && shown->path() == oldPath) {
            shown->setPath(song->path());
            shown->setCategory(song->category());
        }
    }
    if (!notMoved.isEmpty())
        AppContext::instance()->reportFailedWrite(
            tr("The category \u201c%1\u201d for %2")
                .arg(FileName::displayName(*category), notMoved.join(QStringLiteral(", "))),
            why);
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
        ::unlink(FileName::toBytes(oldPath).constData()); // by its own bytes, whatever they are
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
    panel.directory = SongFolderChoice::startFolder(prefs->songDirectoryPath(), Prefs::defaultSongDirectory(),
                                                    Prefs::docDirectory(), QDir::homePath());
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
    if (VellorinAppDelegate *delegate = VellorinAppDelegate::instance()) {
        delegate->startWatchingSongFolder();
        delegate->openFilesWaitingForSongFolder();
    }
}
