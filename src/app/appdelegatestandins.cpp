// Stand-ins for what later parts of the application bring to the delegate: menus, MIDI, nearby sharing, the second
// display and the song view following the editor. Each is replaced here, in one place.
#include "vellorinappdelegate.h"

#include "mainwindow.h"
#include "prefs.h"
#include "songs.h"
#include "songviewviewcontroller.h"

void VellorinAppDelegate::hidePlayTogetherUnlessPeersCanConnect()
{
    // Nearby sharing is not built yet, and the toolbar has no item for it.
}

void VellorinAppDelegate::selectSongDir()
{
    if (m_panes.songList)
        m_panes.songList->selectSongDir();
}

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

void VellorinAppDelegate::scrollSongViewWithEditor(qsizetype characterIndex)
{
    // Until auto-scroll brings scrolling to a line, the song view stays where it is.
    Q_UNUSED(characterIndex);
}

void VellorinAppDelegate::setSongStepKeysEnabled(bool enabled)
{
    // Until the menus exist there are no next-song and previous-song keys to give to the editor.
    Q_UNUSED(enabled);
}
