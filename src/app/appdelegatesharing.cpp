// Nearby sharing in the application: the switch, the peers told of each song shown, and what peers ask of the
// application (songs shown and transposed, the window title).
#include "vellorinappdelegate.h"

#include "dialogs.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "modalgate.h"
#include "peercontrol.h"
#include "peermessage.h"
#include "songviewviewcontroller.h"

#include <QAction>

namespace {
const QString kPlayTogether = QStringLiteral("actTogglePlayTogether");
}

void VellorinAppDelegate::setPeerSessionMaker(PeerSession::Maker maker)
{
    m_makePeerSession = std::move(maker);
}

void VellorinAppDelegate::togglePlayTogether()
{
    if (m_peerControl) {
        m_peerControl.reset();
        m_window->setSharingTitle(std::nullopt);
    } else if (canConnect()) {
        Dialogs::Alert alert;
        alert.title = tr("Start Riro Riroduva on other computers to show the same song on all connected devices");
        alert.defaultButton = tr("OK");
        alert.alternateButton = tr("Cancel");
        if (m_dialogs.runAlert(alert) == Dialogs::Answer::Default) {
            m_window->setSharingTitle(tr("Searching..."));
            m_peerControl = std::make_unique<PeerControl>(m_makePeerSession(), *this, m_dialogs);
        }
    }
    // The action checked itself when triggered; it shows whether sharing is on, whatever the answer was.
    setChecked(kPlayTogether, m_peerControl != nullptr);
}

void VellorinAppDelegate::hidePlayTogetherUnlessPeersCanConnect()
{
    if (QAction *playTogether = m_menus->action(kPlayTogether))
        playTogether->setVisible(canConnect());
}

void VellorinAppDelegate::notifyPeersOfSong(const Song &song)
{
    if (m_peerControl)
        m_peerControl->notifyPeers(PeerMessage::ShowSong, song);
}

void VellorinAppDelegate::notifyPeersTransposeSong(const Song &song, int transpose)
{
    if (m_peerControl)
        m_peerControl->notifyPeersTransposeSong(song, transpose);
}

void VellorinAppDelegate::showSongFromPeer(const SongPtr &song)
{
    ModalGate::whenNoQuestion(this, [this, song] { showSongFromOutside(song, false); });
}

void VellorinAppDelegate::peerTranspose(int semitones)
{
    if (m_songViewViewController)
        m_songViewViewController->peerTranspose(semitones);
}

void VellorinAppDelegate::showConnectedPeers(const QString &names)
{
    m_window->setSharingTitle(names.isEmpty() ? tr("Searching...") : names);
}
