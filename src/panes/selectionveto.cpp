#include "selectionveto.h"

#include "clock.h"
#include "vellorinappdelegate.h"

SelectionVeto::SelectionVeto(Clock &clock)
    : m_clock(clock)
{}

bool SelectionVeto::selectionShouldChange()
{
    const QDateTime now = m_clock.now();
    if (m_lastSelection.isValid() && m_lastSelection.msecsTo(now) < refusedSelectionPauseMs)
        return false;
    VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    if (delegate && !delegate->saveCurrentSongInteractive(true)) {
        m_lastSelection = now;
        return false;
    }
    return true;
}
