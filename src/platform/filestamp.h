// What tells that a file changed: its size, modification and change times and inode, as one comparable value.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct FileStamp
{
    qint64 size = -1;    // -1: no such file
    qint64 modified = 0; // nanoseconds since the epoch
    quint64 inode = 0;   // a file replaced by a rename has a new one, even with the same size and time
    // The inode's change time, nanoseconds since the epoch: a file rewritten in place by a tool that puts the
    // modification time back still shows here, since no program can set it.
    qint64 changed = 0;

    // The stamp of the file at path now; an empty stamp when there is none.
    static FileStamp of(const QString &path);
    // The same for the entry name of the open folder folderFd: a listing looks up each of its entries by
    // name alone, without the path being walked again from the root.
    static FileStamp at(int folderFd, const char *name);
    bool exists() const { return size >= 0; }
    // The modification time in whole milliseconds since the epoch, rounded down as the file system's own
    // listing gives them (also before 1970); nothing when there is no file.
    std::optional<qint64> modifiedMSecs() const;
    // Size and modification time: what another program's edit changes.
    bool sameSizeAndTime(const FileStamp &other) const { return size == other.size && modified == other.modified; }
    bool operator==(const FileStamp &other) const = default;
};
