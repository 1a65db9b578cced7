// What a device does with one message from a peer, decided from what it holds.
#pragma once

#include <QtGlobal>

struct PeerActions
{
    bool openSong = false;       // show the held song
    bool requestSong = false;    // ask the peers for the song's text, at most once per message
    bool sendText = false;       // answer with the held song's text
    bool askToSave = false;      // offer the user to copy or update the song from the received text
    bool transposeSong = false;  // show the held song transposed by the message's line
    bool notImplemented = false; // a code this program does not know

    // have: the library holds the song the message names; match: it holds the version the message names (any
    // version for checksum 0); ignoreUpdates: the setting that keeps held songs as they are; ignored: the user
    // chose to ignore this song's texts.
    static PeerActions forMessage(quint32 code, bool have, bool match, bool ignoreUpdates, bool ignored);

    bool operator==(const PeerActions &) const = default;
};
