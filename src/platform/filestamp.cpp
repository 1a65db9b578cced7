// Reading a file's stamp from the file system.
#include "filestamp.h"

#include <QFile>

#include <sys/stat.h>

FileStamp FileStamp::of(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    const auto nanoseconds = [](const timespec &time) { return qint64(time.tv_sec) * 1000000000 + time.tv_nsec; };
    return {qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim), quint64(status.st_ino)};
}
