// Stand-ins for what later parts of the application bring to the delegate: nearby sharing, the second display
// and the song view following the editor. Each is replaced here, in one place.
#include "vellorinappdelegate.h"

#include "mainwindow.h"
#include "prefs.h"
#include "songs.h"
#include "songviewviewcontroller.h"

void VellorinAppDelegate::hidePlayTogetherUnlessPeersCanConnect()
{
    // Nearby sharing is not built yet, and the toolbar has no item for it.
}

void VellorinAppDelegate::notifyPeersOfSong(const Song &song)
{
    Q_UNUSED(song);
}

void VellorinAppDelegate::refreshSecondDisplay()
{}

bool VellorinAppDelegate::zoomSecondDisplayWhenActive(ZoomStep step)
{
    Q_UNUSED(step);
    return false;
}

void VellorinAppDelegate::scrollSongViewWithEditor(qsizetype characterIndex)
{
    // Until auto-scroll brings scrolling to a line, the song view stays where it is.
    Q_UNUSED(characterIndex);
}
