#include "peeractions.h"

#include "peermessage.h"

PeerActions PeerActions::forMessage(quint32 code, bool have, bool match, bool ignoreUpdates, bool ignored)
{
    // With ignoreUpdates another version counts as good enough, except when a peer asks for a version: only
    // the holder of that very version answers.
    const bool ok = (ignoreUpdates && code != PeerMessage::NeedSong) || match;
    PeerActions actions;
    switch (code) {
    case PeerMessage::ShowSong:
        actions.openSong = have;
        actions.requestSong = !have || !ok;
        break;
    case PeerMessage::NeedSong:
        actions.sendText = have && ok;
        break;
    case PeerMessage::SongText:
        actions.askToSave = !(have && ok) && !ignored;
        break;
    case PeerMessage::ScrollLine:
        break;
    case PeerMessage::Transpose:
        actions.transposeSong = have;
        actions.requestSong = !have;
        break;
    default:
        actions.notImplemented = true;
        break;
    }
    return actions;
}
