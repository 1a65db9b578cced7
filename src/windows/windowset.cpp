// The tool windows of the running application.
#include "windowset.h"

WindowSet::WindowSet(Dialogs &dialogs)
    : m_dialogs(dialogs)
    , m_chordWindows(dialogs)
{}

WindowSet::~WindowSet()
{
    delete m_preferencesController.data();
}

void WindowSet::showPreferences(QWidget *parent)
{
    // Only the latest window is kept: an open one ends as its Cancel would, writing nothing.
    if (m_preferencesController) {
        m_preferencesController->cancel();
        delete m_preferencesController.data();
    }
    m_preferencesController = new PreferencesController(m_dialogs, parent);
    m_preferencesController->show();
    m_preferencesController->raise();
    m_preferencesController->activateWindow();
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
