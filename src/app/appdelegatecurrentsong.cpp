// The application's current song: how a song becomes current, and how the edited current song is saved.
#include "vellorinappdelegate.h"

#include "dialogs.h"
#include "filename.h"
#include "filestamp.h"
#include "midi.h"
#include "prefs.h"
#include "songviewviewcontroller.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

void VellorinAppDelegate::setCurrentSong(const SongPtr &song)
{
    showSong(song, true);
    if (song && m_midi)
        m_midi->sendMidiEvents(song->midiEventsToSend());
}

void VellorinAppDelegate::showSong(const SongPtr &song, bool notifyPeers)
{
    m_currentSong = song;
    m_currentSongText = Song::TextHold(song);
    // Every way of showing a song updates this, so a PDF song or a note is never treated as a text song. Without a
    // song there is nothing to transpose either.
    m_isNormalSong = song && isTextSong(*song);
    m_prefs->setCurrentSong(song ? std::optional<QString>(song->titleSubtitleReference()) : std::nullopt);
    m_prefs->save();
    rememberCurrentSongPath(song);
    if (m_songViewViewController) {
        if (song)
            showUntransposed(song);
        if (isSongViewVisible()) {
            QTimer::singleShot(0, m_songViewViewController, [this] {
                m_songViewViewController->refresh();
                // The chord items follow the chords of the song as laid out.
                updateCommandStates();
            });
        }
    }
    if (m_panes.songEdit)
        m_panes.songEdit->refresh();
    refreshSecondDisplay();
    // No song is no news for the peers: they keep showing theirs.
    if (notifyPeers && song)
        notifyPeersOfSong(*song);
    updateCommandStates();
}

bool VellorinAppDelegate::canSave() const
{
    return m_currentSong && isSongEditVisible() && m_panes.songEdit->isDirty();
}

void VellorinAppDelegate::saveOrUpdateCurrentSong()
{
    updateEditorAfterModelChange(canSave());
}

void VellorinAppDelegate::updateEditorAfterModelChange(bool couldSave)
{
    if (couldSave) {
        m_panes.songEdit->updateFromCurrentSong();
        return;
    }
    saveCurrentSongInteractive(false);
    if (isSongEditVisible())
        m_panes.songEdit->refresh();
}

void VellorinAppDelegate::saveAutoScrollTime(int seconds)
{
    const SongPtr song = m_songViewViewController ? m_songViewViewController->song() : SongPtr();
    if (!song)
        return;
    const bool couldSave = canSave();
    if (settleChangeOnDisk(*song))
        return;
    if (!song->setPlayingTime(seconds))
        reportSaveFailure(*song);
    updateEditorAfterModelChange(couldSave);
}

void VellorinAppDelegate::saveMetronomeTempo(int tempo)
{
    const SongPtr song = m_songViewViewController ? m_songViewViewController->song() : SongPtr();
    if (!m_isNormalSong || !song)
        return;
    const bool couldSave = canSave();
    if (settleChangeOnDisk(*song))
        return;
    if (!song->setTempoMetronome(tempo))
        reportSaveFailure(*song);
    updateEditorAfterModelChange(couldSave);
}

bool VellorinAppDelegate::saveCurrentSongInteractive(bool ask)
{
    if (!m_currentSong)
        return true;
    m_currentSong->refreshTitleSubtitle();
    if (!canSave())
        return true;
    if (m_currentSong->isNote()) {
        // A note lives in its playlists' files: they are written again, and the playlist's entry is shown.
        updatePlaylistsForNote(*m_currentSong);
        m_currentSong->countStore();
        m_panes.songEdit->refresh();
        if (m_panes.playlists) {
            m_panes.playlists->refresh();
            if (const SongPtr entry = m_panes.playlists->selectedEntry())
                setCurrentSong(entry);
        }
        m_panes.songEdit->refresh();
        return true;
    }
    if (m_midi)
        m_midi->updateSong(*m_currentSong);
    if (ask) {
        Dialogs::Alert alert;
        alert.title = tr("Song %1 has been changed. Save changes?").arg(m_currentSong->title());
        alert.defaultButton = tr("OK");
        alert.alternateButton = tr("Discard");
        alert.otherButton = tr("Cancel");
        switch (m_dialogs.runAlert(alert)) {
        case Dialogs::Answer::Default:
            break;
        case Dialogs::Answer::Alternate:
            m_currentSong->reloadFromDisk();
            if (m_midi)
                m_midi->updateSong(*m_currentSong);
            return true;
        case Dialogs::Answer::Other:
        case Dialogs::Answer::Closed:
            return false;
        }
    }
    if (m_currentSong->path().isEmpty() && !chooseFileForNewSong(*m_currentSong))
        return false;
    if (const std::optional<bool> settled = settleChangeOnDisk(*m_currentSong))
        return *settled;
    if (!saveCurrentSong()) {
        reportSaveFailure(*m_currentSong);
        return false;
    }
    refreshAfterSave();
    return true;
}

bool VellorinAppDelegate::chooseFileForNewSong(Song &song)
{
    const QString path =
        chooseSongFile(song, {QStringLiteral("pro"), QStringLiteral("txt"), QStringLiteral("chopro"),
                              QStringLiteral("chordpro"), QStringLiteral("cpm"), QStringLiteral("cho")});
    if (path.isEmpty())
        return false;
    song.setPath(path);
    return true;
}

QString VellorinAppDelegate::chooseSongFile(const Song &song, const QStringList &types)
{
    QString folder = m_prefs->songDirectoryPath();
    if (const std::optional<QString> category = libraryCategory(); category && !category->isEmpty())
        folder = QDir(folder).filePath(*category);
    Dialogs::SavePanel panel;
    panel.directory = folder;
    panel.fileName = QFileInfo(song.defaultPath()).fileName();
    panel.allowedTypes = types;
    const QString path = m_dialogs.runSavePanel(panel);
    const QFileInfo chosen(path);
    if (path.isEmpty() || types.contains(chosen.suffix(), Qt::CaseInsensitive))
        return path;
    // A file of another type would never be read as a song again: the song would vanish from the list. The
    // panel asked about replacing the name chosen, not this one, so no file is replaced.
    const QString name = chosen.fileName() + QStringLiteral(".pro");
    const QDir chosenFolder(chosen.path());
    return chosenFolder.filePath(chosenFolder.exists(name) ? Song::uniqueNameForFile(name, chosen.path()) : name);
}

bool VellorinAppDelegate::saveCurrentSong()
{
    // Playlist entries follow a changed title: compared with the file as it is before this save.
    if (FileStamp::of(m_currentSong->path()).exists()) {
        const Song onDisk(m_currentSong->path());
        updatePlaylistsForSong(onDisk, *m_currentSong);
    }
    return m_currentSong->save();
}

std::optional<bool> VellorinAppDelegate::settleChangeOnDisk(Song &song)
{
    if (!song.fileChangedOnDisk())
        return std::nullopt;
    Dialogs::Alert alert;
    alert.title = tr("The file \u201c%1\u201d was changed by another program.")
                      .arg(FileName::displayName(QFileInfo(song.path()).fileName()));
    alert.informativeText = tr("Overwrite it with this version, or reload the other program's version.");
    alert.defaultButton = tr("Overwrite");
    alert.alternateButton = tr("Reload");
    alert.otherButton = tr("Cancel");
    switch (m_dialogs.runAlert(alert)) {
    case Dialogs::Answer::Default:
        song.forgetChangeOnDisk();
        return std::nullopt;
    case Dialogs::Answer::Alternate:
        break;
    case Dialogs::Answer::Other:
    case Dialogs::Answer::Closed:
        return false;
    }
    const bool current = &song == m_currentSong.get();
    if (current && canSave()) {
        Dialogs::Alert confirm;
        confirm.title = tr("Reloading \u201c%1\u201d drops your changes to it.").arg(song.title());
        confirm.defaultButton = tr("Reload");
        confirm.alternateButton = tr("Cancel");
        if (m_dialogs.runAlert(confirm) != Dialogs::Answer::Default)
            return false;
        m_panes.songEdit->discardEdits();
    }
    song.reloadFromDisk();
    if (current) {
        refreshAfterSave();
        if (m_songViewViewController && isSongViewVisible())
            m_songViewViewController->refresh();
    }
    return true;
}

void VellorinAppDelegate::reportSaveFailure(const Song &song)
{
    Dialogs::Alert alert;
    alert.title = tr("The song %1 could not be saved.").arg(song.title());
    alert.informativeText = tr("Your changes are still in the editor.");
    alert.defaultButton = tr("OK");
    m_dialogs.runAlert(alert);
}

void VellorinAppDelegate::reportFailedWrite(const QString &what, const QString &why)
{
    reportFailure(tr("%1 could not be saved.").arg(what), why, tr("Nothing on disk was changed."));
}

void VellorinAppDelegate::reportFailedTrash(const QString &what, const QString &why)
{
    reportFailure(tr("%1 could not be moved to the Trash.").arg(what), why,
                  tr("What could not be moved stays where it was."));
}

void VellorinAppDelegate::reportFailure(const QString &title, const QString &why, const QString &outcome)
{
    Dialogs::Alert alert;
    alert.title = title;
    const QString reason = why.isEmpty() ? QString() : why.at(0).toUpper() + why.mid(1) + QStringLiteral(". ");
    alert.informativeText = reason + outcome;
    alert.defaultButton = tr("OK");
    m_dialogs.runAlert(alert);
}

void VellorinAppDelegate::refreshAfterSave()
{
    if (m_panes.songEdit)
        m_panes.songEdit->refresh();
    if (m_panes.songList)
        m_panes.songList->refresh();
    if (m_panes.playlists)
        m_panes.playlists->refresh();
    if (m_panes.tags)
        m_panes.tags->refresh();
}
