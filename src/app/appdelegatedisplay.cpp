// The delegate's display commands: settings that change how songs are shown, the chord side pane, zoom and find.
// A toggle flips its setting, keeps it, mirrors it into its menu item and refreshes what shows it.
#include "vellorinappdelegate.h"

#include "mainmenus.h"
#include "mainwindow.h"
#include "prefs.h"
#include "secondarysongviewwindowcontroller.h"
#include "songviewviewcontroller.h"
#include "songviewwidget.h"

bool VellorinAppDelegate::flipSetting(bool (Prefs::*get)() const, void (Prefs::*set)(bool), bool keep)
{
    const bool on = !(m_prefs.get()->*get)();
    (m_prefs.get()->*set)(on);
    if (keep)
        m_prefs->save();
    return on;
}

void VellorinAppDelegate::refreshSongView()
{
    m_songViewViewController->refresh();
}

void VellorinAppDelegate::toggleInlineChords()
{
    setChecked(QStringLiteral("actInlineChords"), flipSetting(&Prefs::inlinechords, &Prefs::setInlinechords));
    refreshSongView();
}

void VellorinAppDelegate::toggleTitleCentered()
{
    // The item stands for centred titles, the setting for left-aligned ones.
    setChecked(QStringLiteral("actTitleCentered"), !flipSetting(&Prefs::leftAlignTitle, &Prefs::setLeftAlignTitle));
    refreshSongView();
}

void VellorinAppDelegate::toggleCenterNarrowSongs()
{
    setChecked(QStringLiteral("actCenterNarrowSongs"),
               flipSetting(&Prefs::centerNarrowSongs, &Prefs::setCenterNarrowSongs));
    refreshSongView();
}

void VellorinAppDelegate::toggleShowSongTitle()
{
    setChecked(QStringLiteral("actShowTitle"), flipSetting(&Prefs::showTitleSubtitle, &Prefs::setShowTitleSubtitle));
    refreshSongView();
}

void VellorinAppDelegate::toggleShowTimeColumn()
{
    setChecked(QStringLiteral("actShowTimeColumn"), flipSetting(&Prefs::showTimeColumn, &Prefs::setShowTimeColumn));
    if (m_panes.songList)
        m_panes.songList->refresh();
    if (m_panes.playlists)
        m_panes.playlists->refresh();
}

void VellorinAppDelegate::toggleStartMusicWithAutoScroll()
{
    setChecked(QStringLiteral("actStartMusicWithAutoScroll"),
               flipSetting(&Prefs::startMusicWithAutoScroll, &Prefs::setStartMusicWithAutoScroll));
}

void VellorinAppDelegate::noChordsOnSongView()
{
    // Lyrics only lasts for the run: it is not kept in the settings.
    setChecked(QStringLiteral("actNoChords"), flipSetting(&Prefs::showlyricsonly, &Prefs::setShowlyricsonly, false));
    refreshSongView();
}

void VellorinAppDelegate::noChordsOnSecondarySongView()
{
    setChecked(QStringLiteral("actSecondaryNoChords"), flipSetting(&Prefs::showlyricsonlyOnSecondaryDisplay,
                                                                   &Prefs::setShowlyricsonlyOnSecondaryDisplay, false));
    refreshSecondDisplay();
}

void VellorinAppDelegate::showChordDiagrams()
{
    const bool on = !m_prefs->showChordDiagrams();
    m_prefs->setShowChordDiagrams(on);
    // Diagrams take the place above the words that inline chords would take.
    if (on)
        m_prefs->setInlinechords(false);
    m_prefs->save();
    setChecked(QStringLiteral("actChordDiagrams"), on);
    setChecked(QStringLiteral("actInlineChords"), m_prefs->inlinechords());
    refreshSongView();
}

void VellorinAppDelegate::showHideSongChords()
{
    m_songViewViewController->showHideSongChords();
    m_prefs->setShowSongChords(m_songViewViewController->isSongChordsVisible());
    m_prefs->save();
    setChecked(QStringLiteral("actShowSongChords"), m_prefs->showSongChords());
}

void VellorinAppDelegate::toggleSongChordsAtRight()
{
    // An open pane closes and opens again on its new side; a closed one stays closed.
    if (m_prefs->showSongChords())
        m_songViewViewController->showHideSongChords();
    m_prefs->setSongChordsAtRight(!m_prefs->songChordsAtRight());
    if (m_prefs->showSongChords())
        m_songViewViewController->showHideSongChords();
    m_prefs->save();
    setChecked(QStringLiteral("actSongChordsAtRight"), m_prefs->songChordsAtRight());
}

void VellorinAppDelegate::setEditWithFixedFont(bool on)
{
    m_prefs->setEditWithFixedFont(on);
    m_prefs->save();
    setChecked(QStringLiteral("actEditWithFixedFont"), on);
    recolourEditor();
}

void VellorinAppDelegate::recolourEditor()
{
    if (m_panes.songEdit)
        m_panes.songEdit->performSyntaxColoring();
}

void VellorinAppDelegate::zoom(ZoomStep step)
{
    // The zoom keys reach every window; while the second display is the active one, they are its alone.
    if (zoomSecondDisplayWhenActive(step))
        return;
    switch (step) {
    case ZoomStep::In:
        m_songViewViewController->zoomIn();
        break;
    case ZoomStep::Out:
        m_songViewViewController->zoomOut();
        break;
    case ZoomStep::Reset:
        m_songViewViewController->resetZoom();
        break;
    }
    recolourEditor();
}

void VellorinAppDelegate::zoomChanged(float zoomScale)
{
    m_prefs->setAutozoom(false);
    m_prefs->save();
    setChecked(QStringLiteral("actAutoZoom"), false);
    m_songViewViewController->zoomChanged(zoomScale);
    recolourEditor();
}

void VellorinAppDelegate::toggleAutoZoom()
{
    const bool on = !m_prefs->autozoom();
    setChecked(QStringLiteral("actAutoZoom"), on);
    m_songViewViewController->switchAutozoom(on);
    recolourEditor();
}

void VellorinAppDelegate::showSecondarySongView()
{
    if (!m_secondSongView)
        m_secondSongView = std::make_unique<SecondarySongViewWindowController>(
            [this] { return m_currentSong; }, m_songViewViewController->songView(), std::make_unique<SongViewWidget>());
    m_secondSongView->showWindow(m_window.get());
    m_secondSongView->refresh();
}

void VellorinAppDelegate::toggleSecondaryAutoZoom()
{
    if (m_secondSongView)
        m_secondSongView->autozoom();
    else
        flipSetting(&Prefs::autozoomSecondary, &Prefs::setAutozoomSecondary);
    setChecked(QStringLiteral("actSecondaryAutoZoom"), m_prefs->autozoomSecondary());
}

bool VellorinAppDelegate::zoomSecondDisplayWhenActive(ZoomStep step)
{
    if (!m_secondSongView || !m_secondSongView->isActiveWindow())
        return false;
    switch (step) {
    case ZoomStep::In:
        m_secondSongView->zoomIn();
        break;
    case ZoomStep::Out:
        m_secondSongView->zoomOut();
        break;
    case ZoomStep::Reset:
        m_secondSongView->resetZoom();
        break;
    }
    return true;
}

void VellorinAppDelegate::refreshSecondDisplay()
{
    if (m_secondSongView)
        m_secondSongView->refresh();
}

void VellorinAppDelegate::performTextFinderAction()
{
    if (isSongEditVisible() && m_panes.songEdit->textHasFocus())
        m_panes.songEdit->showFindBar();
    else if (m_panes.songList)
        m_panes.songList->focusSearchField();
}
