#include "filestamp.h"

#include "filename.h"

#include <fcntl.h>
#include <sys/stat.h>

FileStamp FileStamp::of(const QString &path)
{
    if (path.isEmpty())
        return {};
    return at(AT_FDCWD, FileName::toBytes(path).constData());
}

FileStamp FileStamp::at(int folderFd, const char *name)
{
    struct stat status;
    if (::fstatat(folderFd, name, &status, 0) != 0)
        return {};
    constexpr qint64 kNanosecondsPerSecond = 1000000000;
    return {qint64(status.st_size), qint64(status.st_mtim.tv_sec) * kNanosecondsPerSecond + status.st_mtim.tv_nsec,
            quint64(status.st_ino), qint64(status.st_ctim.tv_sec) * kNanosecondsPerSecond + status.st_ctim.tv_nsec};
}

std::optional<qint64> FileStamp::modifiedMSecs() const
{
    if (!exists())
        return std::nullopt;
    constexpr qint64 kNanosecondsPerMillisecond = 1000000;
    qint64 milliseconds = modified / kNanosecondsPerMillisecond;
    if (modified % kNanosecondsPerMillisecond < 0)
        --milliseconds;
    return milliseconds;
}
