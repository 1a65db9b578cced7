// The tool windows of the running application.
#include "windowset.h"

WindowSet::WindowSet(Dialogs &dialogs)
    : m_chordWindows(dialogs)
{}

void WindowSet::showPreferences(QWidget *parent)
{
    // The preferences window joins the set with its own change.
    Q_UNUSED(parent);
}

void WindowSet::showChords(QWidget *parent)
{
    m_chordWindows.showChords(parent);
}

void WindowSet::openChordWindow(const QString &name, const QList<Chord> &chords, const QRect &globalRect)
{
    m_chordWindows.openChordWindow(name, chords, globalRect);
}

void WindowSet::addChordToLibrary(const QString &name)
{
    m_chordWindows.addChordToLibrary(name);
}
