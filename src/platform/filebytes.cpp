#include "filebytes.h"

#include "filename.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads to the end of the file into bytes, growing it as needed; false on a failed read.
bool readToEnd(int fd, QByteArray &bytes, qint64 expectedSize)
{
    for (qsizetype filled = 0;;) {
        const ssize_t got = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        filled += got;
        // At the end, or holding exactly the size the caller saw: a change after that look shows as one at
        // the next comparison of stamps.
        if (got == 0 || filled == expectedSize) {
            bytes.truncate(filled);
            return true;
        }
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
    }
}

} // namespace

std::optional<QByteArray> FileBytes::read(const QString &path, qint64 expectedSize, QString *error)
{
    QByteArray bytes;
    if (!readInto(path, expectedSize, bytes, error))
        return std::nullopt;
    return bytes;
}

bool FileBytes::readInto(const QString &path, qint64 expectedSize, QByteArray &bytes, QString *error)
{
    const auto fail = [error] {
        if (error)
            *error = qt_error_string(errno);
        return false;
    };
    // Without blocking: opening a pipe for reading would wait for a writer that may never come.
    const int fd = ::open(FileName::toBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return fail();
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        if (error)
            *error = QStringLiteral("not a regular file");
        return false;
    }
    const qint64 size = expectedSize >= 0 ? expectedSize : qint64(status.st_size);
    // One byte more than expected, so that a file that grew shows at once.
    bytes.resize(qsizetype(size) + 1);
    const bool done = readToEnd(fd, bytes, size);
    const int readErrno = errno;
    ::close(fd);
    if (!done) {
        errno = readErrno;
        return fail();
    }
    return true;
}
