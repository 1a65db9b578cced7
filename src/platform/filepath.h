// Opening, making, listing and moving files by the bytes of their names, which need not be UTF-8.
#pragma once

#include <QString>
#include <QStringList>

class QFile;

class FilePath
{
public:
    // Opens file for reading on the file at path, whatever bytes its name holds (Qt's own open spells a
    // name as UTF-8, which reaches another file or none). False, with the reason in *error, when it cannot.
    static bool openForReading(const QString &path, QFile &file, QString *error = nullptr);
    // The folder at path with every missing folder on the way to it; true when it is there afterwards.
    static bool makeFolders(const QString &path, QString *error = nullptr);
    // Whether a regular file (or a link to one) is at path.
    static bool isFile(const QString &path);
    // Whether the file or folder at path is there and may be read.
    static bool isReadable(const QString &path);
    // The names of all entries of the folder, hidden ones too, without "." and "..".
    static QStringList entryNames(const QString &folder);
    // Moves a file to destination, never replacing a file there. Across file systems the file is copied whole
    // first and its old name removed afterwards, so a failure on the way leaves it where it was.
    static bool move(const QString &source, const QString &destination, QString *error = nullptr);
    // Renames a file or folder within its file system, never replacing an entry at destination: 0 when done, else
    // the errno of the failure (EEXIST when destination is taken, EXDEV across file systems).
    static int renameWithoutReplacing(const QString &source, const QString &destination);
};
