// File operations by the bytes of the names, through the system calls themselves.
#include "filepath.h"

#include "filename.h"
#include "textfile.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool failWith(int number, QString *error)
{
    if (error)
        *error = number == EEXIST ? QStringLiteral("a file of that name is there already") : qt_error_string(number);
    return false;
}

bool isFolder(const QByteArray &path)
{
    struct stat status;
    return ::stat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool anyEntryAt(const QByteArray &path)
{
    struct stat status;
    return ::lstat(path.constData(), &status) == 0; // a broken link is an entry too
}

// The move to another file system: a whole copy first, then the old name goes.
bool moveAcross(const QString &source, const QString &destination, QString *error)
{
    const QByteArray to = FileName::toBytes(destination);
    if (anyEntryAt(to))
        return failWith(EEXIST, error);
    if (!TextFile::copy(source, destination, error))
        return false;
    if (::unlink(FileName::toBytes(source).constData()) == 0)
        return true;
    const int number = errno;
    ::unlink(to.constData()); // the file stays where it was, and only there
    return failWith(number, error);
}

} // namespace

bool FilePath::openForReading(const QString &path, QFile &file, QString *error)
{
    const int fd = ::open(FileName::toBytes(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return failWith(errno, error);
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    if (error)
        *error = file.errorString();
    return false;
}

bool FilePath::makeFolders(const QString &path, QString *error)
{
    const QByteArray bytes = FileName::toBytes(QDir::cleanPath(path));
    // Each folder on the way that is not there yet, from the first to the last.
    for (qsizetype end = bytes.indexOf('/', 1);; end = bytes.indexOf('/', end + 1)) {
        const QByteArray folder = end < 0 ? bytes : bytes.left(end);
        if (!isFolder(folder) && ::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
            return failWith(errno, error);
        if (end < 0)
            break;
    }
    return isFolder(bytes) || failWith(ENOTDIR, error);
}

bool FilePath::isFile(const QString &path)
{
    struct stat status;
    return ::stat(FileName::toBytes(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

bool FilePath::isReadable(const QString &path)
{
    return ::access(FileName::toBytes(path).constData(), R_OK) == 0;
}

QStringList FilePath::entryNames(const QString &folder)
{
    QStringList names;
    DIR *listing = ::opendir(FileName::toBytes(folder).constData());
    if (!listing)
        return names;
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArrayView name(entry->d_name);
        if (name != "." && name != "..")
            names.append(FileName::fromBytes(name));
    }
    ::closedir(listing);
    return names;
}

bool FilePath::move(const QString &source, const QString &destination, QString *error)
{
    const int number = renameWithoutReplacing(source, destination);
    if (number == 0)
        return true;
    if (number == EXDEV)
        return moveAcross(source, destination, error);
    return failWith(number, error);
}

int FilePath::renameWithoutReplacing(const QString &source, const QString &destination)
{
    const QByteArray from = FileName::toBytes(source);
    const QByteArray to = FileName::toBytes(destination);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    const int number = errno;
    if (number != EINVAL && number != ENOSYS)
        return number;
    // A file system without the rename that never replaces: the look and the rename are two steps.
    if (anyEntryAt(to))
        return EEXIST;
    return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}
