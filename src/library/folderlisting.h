// What a folder of the song folder holds, as the library lists it: hidden entries and lock files skipped,
// sorted by name.
#pragma once

#include "filestamp.h"

#include <QList>
#include <QString>

class FolderListing
{
public:
    struct Entry
    {
        QString name;
        bool isDir = false;
        FileStamp stamp; // of files, when asked for
    };

    // Whether the stamps of the files are taken while listing: one look at each, by name within the folder.
    enum class Stamps { Without, With };

    // The entries by name ignoring case (names that differ only in case by their characters), without the
    // hidden ones, editors' lock files ("~$song.pro"), broken links, pipes, sockets and devices; a link counts
    // as what it points to. Names need not be UTF-8 (see FileName). A folder that cannot be listed gives none.
    static QList<Entry> sortedEntries(const QString &folder, Stamps stamps = Stamps::Without);
};
