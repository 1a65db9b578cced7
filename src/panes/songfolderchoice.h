// The rules of choosing the song folder: where the chooser starts, which folder a choice makes the song folder,
// and where the choice is kept between runs.
#pragma once

#include <QString>

class SongFolderChoice
{
public:
    // The user-defaults key under which the song folder's path is kept.
    static const QString storageKey;

    // A folder named like the documents folder (wherever it is) gets a "Vellorin" sub-folder, so the songs
    // never mix with the user's documents; any other folder is the song folder itself.
    static QString songFolderForChoice(const QString &chosenFolder, const QString &documentsFolder);
    // The song folder, else the default song folder when it exists, else the documents folder when it
    // exists, else the home folder.
    static QString startFolder(const QString &songFolder, const QString &defaultSongFolder,
                               const QString &documentsFolder, const QString &homeFolder);
    // Keeps the folder for the next run.
    static void store(const QString &songFolder);
    // The kept folder; empty when none is kept.
    static QString stored();
};
