// Stand-ins for what later parts of the application bring to the delegate: the second display.
// Each is replaced here, in one place.
#include "vellorinappdelegate.h"

#include "mainwindow.h"
#include "prefs.h"
#include "songs.h"
#include "songviewviewcontroller.h"

void VellorinAppDelegate::refreshSecondDisplay()
{}

bool VellorinAppDelegate::zoomSecondDisplayWhenActive(ZoomStep step)
{
    Q_UNUSED(step);
    return false;
}
