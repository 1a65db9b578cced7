// Reading a whole file with as few system calls as it takes: one unbuffered read into a buffer of the size
// the caller already knows from a listing.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class FileBytes
{
public:
    // The file's bytes. expectedSize (from a look at the file taken just before, -1 when unknown) sizes the
    // buffer so that one read takes the whole file; a file that has grown since is still read whole. Nothing
    // when the file cannot be opened or read, or is no regular file (a pipe, a device), with the reason in *error
    // when asked.
    static std::optional<QByteArray> read(const QString &path, qint64 expectedSize, QString *error = nullptr);
    // The same into bytes, whose allocation is kept where it is large enough: for reading many files one
    // after the other. False (bytes then undefined) when the file cannot be opened or read.
    static bool readInto(const QString &path, qint64 expectedSize, QByteArray &bytes, QString *error = nullptr);
};
