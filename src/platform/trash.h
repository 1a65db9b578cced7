// Moving files to the user's trash by the bytes of their names, as the freedesktop.org trash standard lays out.
#pragma once

#include <QString>

class Clock;

class Trash
{
public:
    // Moves the file (or folder) at path into the trash of its own file system, whatever bytes its name holds, with
    // the note a file manager needs to put it back: the home trash ($XDG_DATA_HOME/Trash) for the file system that
    // holds it, else the trash at the top of the file's file system. A file of the same name already in the trash
    // stays; the new one gets a name of its own there. False, with the reason in *error, when it cannot: the file
    // then stays where it was. The deletion date is the clock's local time.
    static bool moveToTrash(const QString &path, QString *error = nullptr);
    static bool moveToTrash(const QString &path, const Clock &clock, QString *error = nullptr);
    // The user's trash on the file system whose top folder is topFolder: $topFolder/.Trash/$uid when .Trash is a
    // sticky folder and no link, else $topFolder/.Trash-$uid; made when missing. Empty, with the reason in *error,
    // when neither can be used.
    static QString topFolderTrash(const QString &topFolder, QString *error = nullptr);
};
