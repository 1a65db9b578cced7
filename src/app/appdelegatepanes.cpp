// The delegate's three-pane window: the panes placed side by side, which of them are shown, and the song pane
// following the editor.
#include "vellorinappdelegate.h"

#include "mainwindow.h"
#include "panesplitview.h"
#include "prefs.h"
#include "songviewviewcontroller.h"

#include <QSplitter>
#include <QTimer>
#include <QToolBar>

void VellorinAppDelegate::initSplitView()
{
    m_splitView = new PaneSplitView(*m_prefs, m_dialogs, this);
    PaneSplitView::Hooks hooks;
    hooks.saveEditedSong = [this] { return saveCurrentSongInteractive(true); };
    hooks.refreshSongView = [this] { m_songViewViewController->refresh(); };
    m_splitView->initSplitView(m_panes, m_songViewViewController,
                               m_panes.songEdit ? m_panes.songEdit->widget() : nullptr, std::move(hooks));
    m_window->setSongPane(m_splitView->verticalSplitView());
    m_window->mainToolbar()->addSeparator();
    m_window->mainToolbar()->addWidget(m_splitView->listTypeSelector());
    m_window->mainToolbar()->addWidget(m_splitView->viewSelector());
    addToolbarItems();
}

void VellorinAppDelegate::fixSplitView()
{
    QTimer::singleShot(0, m_splitView, [splitter = m_splitView->verticalSplitView()] { splitter->refresh(); });
}

bool VellorinAppDelegate::isSongViewVisible() const
{
    if (m_splitView)
        return m_splitView->isSongViewVisible();
    return m_songViewViewController && m_prefs->showSongView();
}

bool VellorinAppDelegate::isSongEditVisible() const
{
    if (!m_panes.songEdit)
        return false;
    return m_splitView ? m_splitView->isSongEditVisible() : m_prefs->showSongEdit();
}

void VellorinAppDelegate::songTextChanged()
{
    if (isSongViewVisible())
        m_songViewViewController->refreshScrollToTop(false, true);
    refreshSecondDisplay();
}
