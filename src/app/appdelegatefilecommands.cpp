// The commands that create, open, save and step through songs. The ones that show another song first ask to
// save the editor's edits and stop when the user cancels, so no edit is lost.
#include "vellorinappdelegate.h"

#include "dialogs.h"
#include "filename.h"
#include "log.h"
#include "panesplitview.h"
#include "prefs.h"
#include "songs.h"
#include "songviewviewcontroller.h"
#include "textfile.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// Where the caret of a new song stands: right after "{title:" of the template, ready for the song's name.
constexpr qsizetype newSongCaret = 7;

} // namespace

void VellorinAppDelegate::newDocument()
{
    if (!saveCurrentSongInteractive(true))
        return;
    auto song = std::make_shared<Song>();
    // An unreadable template leaves the new song empty.
    QString error;
    const std::optional<QString> text = TextFile::read(Prefs::songTemplatePath(), TextFile::LastResort::None, &error);
    if (!text)
        Log::write(QStringLiteral("Error reading %1: %2").arg(Prefs::songTemplatePath(), error));
    song->setText(text.value_or(QString()));
    song->refreshTitleSubtitle();
    song->setCategory(libraryCategory().value_or(QString()));
    setCurrentSong(song);
    showEditorAt(std::min(newSongCaret, song->text().size()));
    // The new song has no file yet, so no row holds it: every row is deselected.
    if (m_panes.songList)
        m_panes.songList->selectCurrentSong();
}

void VellorinAppDelegate::showEditorAt(qsizetype caret)
{
    if (!m_panes.songEdit)
        return;
    if (m_splitView && !isSongEditVisible())
        m_splitView->toggleSongEdit();
    m_panes.songEdit->focusTextAt(caret);
}

void VellorinAppDelegate::duplicate()
{
    // A PDF song has no text to copy: its copy would be an empty song.
    if (!m_currentSong || !m_isNormalSong || !saveCurrentSongInteractive(true))
        return;
    auto copy = std::make_shared<Song>();
    copy->setText(m_currentSong->text());
    copy->setCategory(libraryCategory().value_or(QString()));
    copy->refreshTitleSubtitle();
    setCurrentSong(copy);
    const QString path = chooseSongFile(
        *copy, {QStringLiteral("pro"), QStringLiteral("txt"), QStringLiteral("chopro"), QStringLiteral("chordpro")});
    if (path.isEmpty())
        return; // the copy stays the current song, without a file until it is saved
    copy->setPath(path);
    if (!copy->save()) {
        reportSaveFailure(*copy);
        return;
    }
    refresh();
}

void VellorinAppDelegate::openDocument()
{
    Dialogs::OpenPanel panel;
    panel.directory = m_prefs->songDirectoryPath();
    panel.allowedTypes = {
        QStringLiteral("pro"),           QStringLiteral("chopro"),   QStringLiteral("cho"),
        QStringLiteral("cpm"),           QStringLiteral("chordpro"), QStringLiteral("txt"),
        QStringLiteral("onsong"),        QStringLiteral("pdf"),      QStringLiteral("vellorinfontsettings"),
        QStringLiteral("vellorinlayout")};
    panel.allowsOtherFileTypes = true;
    panel.allowsMultipleSelection = true;
    const QStringList paths = m_dialogs.runOpenPanel(panel);
    if (paths.isEmpty())
        return;
    // Whether a file is the library's own or is imported is known once the library is read; the question to save
    // comes after that wait, so it covers edits made while waiting.
    m_songs->whenLoaded(this, [this, paths] {
        if (saveCurrentSongInteractive(true))
            openChosenFiles(paths);
    });
}

void VellorinAppDelegate::openChosenFiles(const QStringList &paths)
{
    SongPtr candidate;
    for (const QString &path : paths) {
        if (SongPtr song = openChosenFile(path))
            candidate = std::move(song);
    }
    if (!candidate)
        return;
    setCurrentSong(candidate);
    if (m_panes.songList)
        m_panes.songList->refresh();
}

SongPtr VellorinAppDelegate::openChosenFile(const QString &path)
{
    const FileKind::Kind kind = FileKind::of(path);
    switch (kind) {
    case FileKind::FontSettings:
        m_prefs->importFontPrefs(path);
        if (m_songViewViewController)
            m_songViewViewController->refresh();
        return nullptr;
    case FileKind::Layout:
        if (m_splitView)
            m_splitView->loadLayout(path);
        return nullptr;
    case FileKind::Binary: {
        // An image or an archive read as song text would become a song of junk.
        Dialogs::Alert alert;
        alert.title =
            tr("The file %1 is no song: it holds no text.").arg(FileName::displayName(QFileInfo(path).fileName()));
        alert.defaultButton = tr("OK");
        m_dialogs.runAlert(alert);
        return nullptr;
    }
    case FileKind::Song:
    case FileKind::Pdf:
    case FileKind::Text:
        break;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (libraryContainsPath(absolute))
        return librarySongForFile(songForFile(absolute));
    return importDroppedFile(absolute, kind);
}

void VellorinAppDelegate::saveDocument()
{
    // The panes are refreshed by the save itself, and only when something was written.
    saveCurrentSongInteractive(false);
}

void VellorinAppDelegate::sampleSong()
{
    // Showing the sample song replaces the editor's text: edits the user chose to keep must be saved first.
    if (!saveCurrentSongInteractive(true))
        return;
    const QString path = m_songs->createSampleSong();
    if (path.isEmpty()) {
        Dialogs::Alert alert;
        alert.title = tr("The sample song could not be written into the song folder.");
        alert.defaultButton = tr("OK");
        m_dialogs.runAlert(alert);
        return;
    }
    setLibraryCategory(std::nullopt);
    refreshLibrary();
    setCurrentSong(librarySongForFile(std::make_shared<Song>(path)));
    refresh();
}

ListPane *VellorinAppDelegate::steppedList() const
{
    if (!m_splitView || !m_splitView->isSongListVisible())
        return m_panes.songList;
    switch (m_splitView->selectedListType()) {
    case PaneSplitView::PlaylistsType:
        return m_panes.playlists;
    case PaneSplitView::TagsType:
        return m_panes.tags;
    case PaneSplitView::SongListType:
        break;
    }
    return m_panes.songList;
}

bool VellorinAppDelegate::canStepSong(int offset) const
{
    const ListPane *list = steppedList();
    if (!list)
        return false;
    // A playlist steps onto notes and missing songs too, which have no library song.
    if (list == m_panes.playlists)
        return m_panes.playlists->hasEntryNextToSelection(offset);
    return (offset > 0 ? list->nextSong() : list->prevSong()) != nullptr;
}

void VellorinAppDelegate::nextSong()
{
    stepSong(1);
}

void VellorinAppDelegate::prevSong()
{
    stepSong(-1);
}

void VellorinAppDelegate::stepSong(int offset)
{
    if (!saveCurrentSongInteractive(true) || !canStepSong(offset))
        return;
    ListPane *list = steppedList();
    const SongPtr song = list == m_panes.playlists ? m_panes.playlists->stepToEntryNextToSelection(offset)
                                                   : (offset > 0 ? list->nextSong() : list->prevSong());
    setCurrentSong(song);
    list->refresh();
    // The command's keys must find the next step enabled, whatever widget has the focus.
    updateCommandStates();
}
