// The commands that open the tool windows, through the object main() hands over.
#include "vellorinappdelegate.h"

#include "mainwindow.h"
#include "toolwindows.h"

void VellorinAppDelegate::showPreferences()
{
    if (m_toolWindows)
        m_toolWindows->showPreferences(m_window.get());
}
