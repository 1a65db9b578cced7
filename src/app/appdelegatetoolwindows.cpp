// The commands that open the tool windows, through the object main() hands over.
#include "vellorinappdelegate.h"

#include "mainwindow.h"
#include "songviewviewcontroller.h"
#include "toolwindows.h"

void VellorinAppDelegate::setToolWindows(ToolWindows *toolWindows)
{
    m_toolWindows = toolWindows;
    if (m_songViewViewController)
        m_songViewViewController->setToolWindows(toolWindows);
}

void VellorinAppDelegate::showPreferences()
{
    if (m_toolWindows)
        m_toolWindows->showPreferences(m_window.get());
}

void VellorinAppDelegate::showChords()
{
    if (m_toolWindows)
        m_toolWindows->showChords(m_window.get());
}
