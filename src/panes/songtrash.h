// Moving songs to the Trash from a list pane, so that a deleted current song never comes back.
#pragma once

#include "song.h"

#include <QList>

class SongTrash
{
public:
    // Moves the songs' files to the Trash (a file that cannot be moved stays, and the next refresh shows it).
    // When the current song's file is among them, the editor's edits are dropped first and the current song
    // names no file once the Trash took it, so that no later save writes it back. Answers whether the current
    // song was among them.
    static bool moveToTrash(const QList<SongPtr> &songs);
};
