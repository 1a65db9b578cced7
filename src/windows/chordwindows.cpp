// The chord windows of the running application.
#include "chordwindows.h"

#include "chordeditviewcontroller.h"
#include "chordlistviewcontroller.h"
#include "chordviewcontrollerwindowcontroller.h"
#include "mainwindow.h"
#include "panecontrollers.h"
#include "songviewviewcontroller.h"
#include "vellorinappdelegate.h"

ChordWindows::ChordWindows(Dialogs &dialogs)
    : m_dialogs(dialogs)
{}

ChordWindows::~ChordWindows()
{
    delete m_chordsController;
    delete m_songChordWindow;
}

ChordListViewController *ChordWindows::chordsController() const
{
    return m_chordsController;
}

void ChordWindows::showChords(QWidget *parent)
{
    delete m_chordsController;
    m_chordsController = new ChordListViewController(*this, parent);
    m_chordsController->show();
    m_chordsController->raise();
    m_chordsController->activateWindow();
}

void ChordWindows::openChordWindow(const QString &name, const QList<Chord> &chords, const QRect &globalRect)
{
    if (!m_songChordWindow)
        m_songChordWindow = new ChordViewControllerWindowController(*this, mainWindow());
    m_songChordWindow->setChords(name, chords);
    m_songChordWindow->showWindow(globalRect);
}

void ChordWindows::addChordToLibrary(const QString &name)
{
    ChordEditViewController editor(*this, std::nullopt, name, mainWindow());
    runChordEditor(editor);
    if (editor.result() == QDialog::Accepted)
        refreshSongView();
}

std::shared_ptr<Song> ChordWindows::currentSong() const
{
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    return delegate ? delegate->currentSong() : nullptr;
}

bool ChordWindows::isNormalSong() const
{
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    return delegate && delegate->isNormalSong();
}

void ChordWindows::saveOrUpdateCurrentSong()
{
    if (VellorinAppDelegate *delegate = VellorinAppDelegate::instance())
        delegate->saveOrUpdateCurrentSong();
}

void ChordWindows::refreshSongView()
{
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    if (delegate && delegate->songViewViewController())
        delegate->songViewViewController()->refresh();
}

void ChordWindows::refreshEditor()
{
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    if (delegate && delegate->panes().songEdit && delegate->isSongEditVisible())
        delegate->panes().songEdit->refresh();
}

void ChordWindows::refreshAfterInstrumentChange()
{
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    if (delegate && delegate->panes().songList)
        delegate->panes().songList->refresh();
    refreshSongView();
}

void ChordWindows::refreshChordLibrary()
{
    if (m_chordsController && m_chordsController->isVisible())
        m_chordsController->refresh();
}

void ChordWindows::runChordEditor(ChordEditViewController &editor)
{
    editor.exec();
}

QWidget *ChordWindows::mainWindow() const
{
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    return delegate ? delegate->window() : nullptr;
}
