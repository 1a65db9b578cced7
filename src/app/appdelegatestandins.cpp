// Stand-ins for what later parts of the application bring to the delegate: the three-pane window, folder
// watching, file drops, menus, MIDI, nearby sharing and the second display. Each is replaced here, in one place.
#include "vellorinappdelegate.h"

#include "mainwindow.h"
#include "prefs.h"
#include "songs.h"
#include "songviewviewcontroller.h"

void VellorinAppDelegate::hidePlayTogetherUnlessPeersCanConnect()
{
    // Nearby sharing is not built yet, and the toolbar has no item for it.
}

void VellorinAppDelegate::initSplitView()
{
    // Until the three-pane window exists, the song pane is the window's content.
    m_window->setSongPane(m_songViewViewController);
}

void VellorinAppDelegate::showFirstSongWithoutSongList()
{
    // Without a song list nobody could choose a song: the library's first one is shown instead.
    if (m_panes.songList || m_currentSong || m_songs->songs().isEmpty())
        return;
    setCurrentSong(m_songs->songs().first());
}

void VellorinAppDelegate::fixSplitView()
{}

bool VellorinAppDelegate::isSongViewVisible() const
{
    return m_songViewViewController && !m_songViewViewController->isHidden();
}

bool VellorinAppDelegate::isSongEditVisible() const
{
    return m_panes.songEdit && m_prefs->showSongEdit();
}

void VellorinAppDelegate::selectSongDir()
{
    if (m_panes.songList)
        m_panes.songList->selectSongDir();
}

void VellorinAppDelegate::startWatchingSongFolder()
{}

void VellorinAppDelegate::registerForDraggedFiles()
{}

void VellorinAppDelegate::translateMenus()
{}

void VellorinAppDelegate::updateMenuStates()
{}

void VellorinAppDelegate::startMidi()
{}

void VellorinAppDelegate::sendMidiEvents(const Song &song)
{
    Q_UNUSED(song);
}

void VellorinAppDelegate::updateMidiSong(const Song &song)
{
    Q_UNUSED(song);
}

void VellorinAppDelegate::notifyPeersOfSong(const Song &song)
{
    Q_UNUSED(song);
}

void VellorinAppDelegate::refreshSecondDisplay()
{}
