// What tells that a file on disk changed, without reading it.
#pragma once

#include <QString>

struct FileStamp
{
    qint64 size = -1;    // -1: no such file
    qint64 modified = 0; // modification and status change times, nanoseconds since the epoch
    qint64 changed = 0;
    quint64 inode = 0;

    // The file's stamp now (symbolic links followed); size -1 when there is no file.
    static FileStamp of(const QString &path);
    bool exists() const { return size >= 0; }
    // Size and modification time: what another program's edit changes.
    bool sameSizeAndTime(const FileStamp &other) const { return size == other.size && modified == other.modified; }
    // Everything: a file replaced by one of the same size and time has another inode and change time.
    bool operator==(const FileStamp &other) const = default;
};
