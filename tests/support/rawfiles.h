// Files and folders whose names are given as bytes, which need not be UTF-8: made, read and removed by the
// system calls themselves, apart from the code under test. A failure fails the running test.
#pragma once

#include <QByteArray>
#include <QList>

#include <sys/types.h>

class RawFiles
{
public:
    static void write(const QByteArray &path, const QByteArray &bytes, mode_t mode = 0644);
    // The file's bytes; empty when it cannot be read.
    static QByteArray read(const QByteArray &path);
    static void makeFolder(const QByteArray &path);
    static bool exists(const QByteArray &path);
    // The names in a folder, hidden ones too, sorted.
    static QList<QByteArray> namesIn(const QByteArray &folder);
    // The folder and all it holds: a temporary folder spells the names it removes as UTF-8, which misses these.
    static void removeTree(const QByteArray &path);
};
