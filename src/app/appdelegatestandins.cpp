// Stand-ins for what later parts of the application bring to the delegate: nearby sharing.
// Each is replaced here, in one place.
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

void VellorinAppDelegate::notifyPeersTransposeSong(const Song &song, int transpose)
{
    // Nearby sharing is not built yet: there are no peers to tell.
    Q_UNUSED(song);
    Q_UNUSED(transpose);
}
