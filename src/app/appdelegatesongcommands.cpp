// The application's commands on the current song's key, Nashville numbers, transposition, capo and playing time,
// and the song view following the editor. Each first takes the editor's pending typing into the song, so no edit
// is lost.
#include "vellorinappdelegate.h"

#include "dialogs.h"
#include "pdfsong.h"
#include "playlist.h"
#include "prefs.h"
#include "songdisplay.h"
#include "songs.h"
#include "songviewviewcontroller.h"

#include <algorithm>

void VellorinAppDelegate::showUntransposed(const SongPtr &song)
{
    SongDisplay &view = m_songViewViewController->songView();
    view.setAllChordsSharp(false);
    view.setAllChordsFlat(false);
    m_songViewViewController->resetTransposition(song);
}

void VellorinAppDelegate::transposeReset()
{
    if (!m_songViewViewController || !m_currentSong)
        return;
    showUntransposed(m_currentSong);
    m_songViewViewController->refreshScrollToTop(false);
}

void VellorinAppDelegate::setTranspose(int semitones)
{
    // The same transposition again changes nothing: no refresh, which would scroll the song to its top.
    if (m_songViewViewController && m_currentSong && m_isNormalSong &&
        m_songViewViewController->songView().transpose() != semitones)
        m_songViewViewController->setTranspose(semitones);
}

void VellorinAppDelegate::transposeSave()
{
    // A PDF song or a playlist note has no chords to rewrite and no song file of its own to write them to.
    if (!m_songViewViewController || !m_currentSong || !m_isNormalSong)
        return;
    const bool couldSave = canSave();
    m_currentSong->transpose(m_songViewViewController->songView().transpose(),
                             m_songViewViewController->transposeFavorChar());
    writeRewrittenCurrentSong(couldSave);
    transposeReset();
}

void VellorinAppDelegate::writeRewrittenCurrentSong(bool couldSave)
{
    if (couldSave) {
        m_panes.songEdit->updateFromCurrentSong();
        return;
    }
    // Written here rather than through the editor: with the editor hidden nothing would write it at all.
    if (!saveCurrentSong()) {
        reportSaveFailure(*m_currentSong);
        return;
    }
    refreshAfterSave();
}

void VellorinAppDelegate::setCapo(qint64 capo)
{
    if (!m_songViewViewController || !m_currentSong || !m_isNormalSong)
        return;
    const bool couldSave = canSave();
    if (!m_currentSong->setCapo(capo))
        reportSaveFailure(*m_currentSong);
    updateEditorAfterModelChange(couldSave);
    transposeReset();
}

void VellorinAppDelegate::setKey()
{
    if (!m_currentSong || !m_isNormalSong)
        return;
    const bool couldSave = canSave(); // takes the editor's last typing into the song, shown in the field
    Dialogs::TextPrompt prompt;
    prompt.title = tr("Enter Key");
    prompt.text = m_currentSong->key();
    prompt.defaultButton = tr("OK");
    prompt.alternateButton = tr("Cancel");
    const QString key = m_dialogs.runTextPrompt(prompt).value_or(QString()).trimmed();
    if (!key.isEmpty())
        writeCurrentSongChange(couldSave, [&key](Song &song) { return song.setKey(key); });
}

void VellorinAppDelegate::convertToNNS()
{
    if (m_currentSong && m_isNormalSong)
        writeCurrentSongChange(canSave(), [](Song &song) { return song.convertToNNS(); });
}

void VellorinAppDelegate::convertFromNNS()
{
    if (m_currentSong && m_isNormalSong)
        writeCurrentSongChange(canSave(), [](Song &song) { return song.convertFromNNS(); });
}

void VellorinAppDelegate::writeCurrentSongChange(bool couldSave, const std::function<bool(Song &)> &change)
{
    // The user asked for this write: a version another program wrote since is not silently read over the edits.
    if (settleChangeOnDisk(*m_currentSong))
        return;
    if (!change(*m_currentSong))
        reportSaveFailure(*m_currentSong);
    updateEditorAfterModelChange(couldSave);
    if (m_songViewViewController)
        m_songViewViewController->refresh();
}

void VellorinAppDelegate::autoScrollSave()
{
    // The pane hands its time to saveAutoScrollTime, which takes the editor's typing first and brings the
    // editor up to date afterwards.
    if (m_songViewViewController)
        m_songViewViewController->autoScrollSave();
}

void VellorinAppDelegate::updatePlaylistKey(const QString &key)
{
    if (!m_prefs->showPlaylists() || !m_panes.playlists)
        return;
    const std::shared_ptr<PlayList> playlist = m_panes.playlists->currentPlayList();
    const SongPtr entry = m_panes.playlists->selectedEntry();
    // A song shown by MIDI, by a peer or from another list is not the selected entry: its key stays out of it.
    if (playlist && entry && isEntryOfCurrentSong(entry)) {
        const bool ownKey = key == m_currentSong->key();
        if (!ownKey || entry->playlistkey()) {
            entry->setPlaylistkey(ownKey ? std::nullopt : std::optional<QString>(key));
            playlist->save();
        }
    }
    m_panes.playlists->refresh();
}

bool VellorinAppDelegate::isEntryOfCurrentSong(const SongPtr &entry)
{
    if (!m_currentSong)
        return false;
    const SongPtr song = m_songs->songForSong(entry);
    if (!song)
        return false;
    return song == m_currentSong || (!song->path().isEmpty() && song->path() == m_currentSong->path());
}

void VellorinAppDelegate::scrollSongViewWithEditor(qsizetype characterIndex)
{
    // A PDF song's pages do not follow its (empty) text.
    if (!m_songViewViewController || !m_currentSong || dynamic_cast<const PDFSong *>(m_currentSong.get()))
        return;
    SongViewViewController &pane = *m_songViewViewController;
    pane.scrollToLine(pane.songView().lineForCursorPos(quint64(std::max<qsizetype>(characterIndex, 0))));
}
