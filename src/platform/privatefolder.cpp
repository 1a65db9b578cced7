// A folder that only this user can enter.
#include "privatefolder.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t ownerOnly = S_IRWXU;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

bool PrivateFolder::ensure(const QString &path, QString &error)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), ownerOnly) != 0 && errno != EEXIST) {
        error = QStringLiteral("cannot make %1: %2").arg(path, systemError());
        return false;
    }
    // lstat, so that a link planted in a shared folder is seen as the link it is.
    struct stat status = {};
    if (::lstat(name.constData(), &status) != 0) {
        error = QStringLiteral("cannot read %1: %2").arg(path, systemError());
        return false;
    }
    if (!S_ISDIR(status.st_mode)) {
        error = QStringLiteral("%1 is not a folder").arg(path);
        return false;
    }
    if (status.st_uid != ::geteuid()) {
        error = QStringLiteral("%1 belongs to user %2").arg(path).arg(status.st_uid);
        return false;
    }
    if ((status.st_mode & 07777) != ownerOnly && ::chmod(name.constData(), ownerOnly) != 0) {
        error = QStringLiteral("cannot close %1 to other users: %2").arg(path, systemError());
        return false;
    }
    return true;
}
