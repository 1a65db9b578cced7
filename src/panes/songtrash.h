// Moving songs to the Trash from a list pane, so that a deleted current song never comes back.
#pragma once

#include "song.h"

#include <QList>

class SongTrash
{
public:
    // Moves the songs' files to the Trash, whatever bytes their names hold. A file that cannot be moved stays,
    // the next refresh shows it, and the user is told in one message. Once the current song's file is gone, the
    // editor's edits are dropped and the current song names no file, so that no later save writes it back; while
    // it stays, its edits stay too. Answers whether the current song's file went.
    static bool moveToTrash(const QList<SongPtr> &songs);
};
