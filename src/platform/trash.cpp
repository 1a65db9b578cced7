// The freedesktop.org trash, reached by the system calls themselves so that any bytes may name a file: the info
// file is made first, exclusively, which reserves the name in files/; only then does the file move there.
#include "trash.h"

#include "clock.h"
#include "filename.h"
#include "filepath.h"
#include "log.h"

#include <QDateTime>
#include <QDir>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kPrivateFolderMode = 0700;
// Beyond this many files of one name in the trash, the trash is not searched further for a free name.
constexpr int kMostNamesTried = 10000;

// A trash folder and what the Path= of its notes is relative to: nothing for the home trash, whose notes hold
// absolute paths; the top folder of its file system for any other.
struct TrashPlace
{
    QByteArray folder;
    QByteArray topFolder;
};

bool fail(const QString &why, QString *error)
{
    if (error)
        *error = why;
    return false;
}

bool failWithErrno(int number, QString *error)
{
    return fail(qt_error_string(number), error);
}

QString shown(const QByteArray &path)
{
    return FileName::displayName(FileName::fromBytes(path));
}

std::optional<dev_t> deviceOf(const QByteArray &path)
{
    struct stat status;
    if (::stat(path.constData(), &status) != 0)
        return std::nullopt;
    return status.st_dev;
}

bool isFolder(const QByteArray &path)
{
    struct stat status;
    return ::stat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash > 0 ? path.left(slash) : QByteArray("/");
}

// A folder that only this user can have made: not a link, and owned by the user. Made when missing.
bool makeOwnFolder(const QByteArray &path)
{
    if (::mkdir(path.constData(), kPrivateFolderMode) != 0 && errno != EEXIST)
        return false;
    struct stat status;
    return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid();
}

// A folder made when missing, without asking whose it is: for the trash's own sub-folders and the home trash,
// which may be reached through the user's own links.
bool makeFolder(const QByteArray &path, QString *error)
{
    if (::mkdir(path.constData(), kPrivateFolderMode) != 0 && errno != EEXIST)
        return fail(QStringLiteral("the folder %1 cannot be made: %2").arg(shown(path), qt_error_string(errno)), error);
    if (!isFolder(path))
        return fail(QStringLiteral("%1 is there, but is not a folder").arg(shown(path)), error);
    return true;
}

QByteArray homeTrashFolder()
{
    QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (!dataHome.startsWith('/'))
        dataHome = qgetenv("HOME") + "/.local/share";
    return FileName::toBytes(QDir::cleanPath(FileName::fromBytes(dataHome))) + "/Trash";
}

// The device of the nearest folder on the way to path that is there already: where the folder would be made.
std::optional<dev_t> deviceOnTheWayTo(QByteArray path)
{
    for (;; path = parentOf(path)) {
        if (const std::optional<dev_t> device = deviceOf(path))
            return device;
        if (path == "/")
            return std::nullopt;
    }
}

// The top folder of the file system that holds folder (a path without links): the last folder on the way up
// that is still on folder's device.
QByteArray topOfFileSystem(const QByteArray &folder)
{
    const std::optional<dev_t> device = deviceOf(folder);
    QByteArray top = folder;
    while (top != "/") {
        const QByteArray parent = parentOf(top);
        if (deviceOf(parent) != device)
            break;
        top = parent;
    }
    return top;
}

QByteArray topFolderTrashFolder(const QByteArray &top)
{
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray shared = (top == "/" ? QByteArray() : top) + "/.Trash";
    struct stat status;
    if (::lstat(shared.constData(), &status) == 0) {
        // A shared trash that anyone could have swapped for a link, or whose sub-folders anyone may remove,
        // is not used: the administrator is to mend it.
        if (S_ISDIR(status.st_mode) && (status.st_mode & S_ISVTX) != 0) {
            if (const QByteArray own = shared + '/' + uid; makeOwnFolder(own))
                return own;
        } else {
            Log::write(QStringLiteral("Not using %1 as a trash: it is a link, not a folder, or not sticky")
                           .arg(shown(shared)));
        }
    }
    const QByteArray own = shared + '-' + uid;
    return makeOwnFolder(own) ? own : QByteArray();
}

// Where a file in the real folder goes: the home trash when it is on the same file system, else the trash at
// the top of the folder's file system.
std::optional<TrashPlace> placeFor(const QByteArray &realFolder, QString *error)
{
    const QByteArray home = homeTrashFolder();
    const std::optional<dev_t> device = deviceOf(realFolder);
    if (device && device == deviceOnTheWayTo(home)) {
        QString why;
        if (!FilePath::makeFolders(FileName::fromBytes(parentOf(home)), &why)) {
            fail(QStringLiteral("the Trash %1 cannot be made: %2").arg(shown(home), why), error);
            return std::nullopt;
        }
        if (!makeFolder(home, error))
            return std::nullopt;
        return TrashPlace{home, {}};
    }
    const QByteArray top = topOfFileSystem(realFolder);
    const QString folder = Trash::topFolderTrash(FileName::fromBytes(top), error);
    if (folder.isEmpty())
        return std::nullopt;
    return TrashPlace{FileName::toBytes(folder), top};
}

// The path as the Path= key of a trash note holds it: RFC 2396's path characters as they are, every other byte as %XX,
// whatever encoding the bytes are in.
QByteArray escapedPath(const QByteArray &path)
{
    return path.toPercentEncoding("/!*'():@&=+$,");
}

QByteArray infoText(const QByteArray &originalPath, const QDateTime &deleted)
{
    return "[Trash Info]\nPath=" + escapedPath(originalPath) +
           "\nDeletionDate=" + deleted.toLocalTime().toString(QStringLiteral("yyyy-MM-dd'T'hh:mm:ss")).toLatin1() +
           '\n';
}

// The names tried in files/: the name itself, then "name 2.ext", "name 3.ext"...
QByteArray candidateName(const QByteArray &name, int number)
{
    if (number == 1)
        return name;
    const qsizetype dot = name.lastIndexOf('.');
    const qsizetype split = dot > 0 ? dot : name.size();
    return name.left(split) + ' ' + QByteArray::number(number) + name.mid(split);
}

bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Writes the info file at path if no file is there; EEXIST when the name is taken, else 0 or the failure's errno.
int makeInfoFile(const QByteArray &path, const QByteArray &text)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    const bool written = writeAll(fd, text);
    int number = written ? 0 : errno;
    if (::close(fd) != 0 && number == 0)
        number = errno;
    if (number != 0)
        ::unlink(path.constData());
    return number;
}

bool moveInto(const QByteArray &trash, const QByteArray &source, const QByteArray &info, QString *error)
{
    const QByteArray files = trash + "/files";
    const QByteArray notes = trash + "/info";
    if (!makeFolder(files, error) || !makeFolder(notes, error))
        return false;
    const QByteArray name = source.mid(source.lastIndexOf('/') + 1);
    for (int number = 1; number <= kMostNamesTried; ++number) {
        const QByteArray trashName = candidateName(name, number);
        const QByteArray target = files + '/' + trashName;
        struct stat status;
        if (::lstat(target.constData(), &status) == 0)
            continue; // a file left there without its note is not overwritten either
        const QByteArray infoPath = notes + '/' + trashName + ".trashinfo";
        if (const int made = makeInfoFile(infoPath, info); made == EEXIST)
            continue;
        else if (made != 0)
            return fail(QStringLiteral("the note %1 cannot be written: %2").arg(shown(infoPath), qt_error_string(made)),
                        error);
        const int moved = FilePath::renameWithoutReplacing(FileName::fromBytes(source), FileName::fromBytes(target));
        if (moved == 0)
            return true;
        ::unlink(infoPath.constData()); // no note for a file that is not there
        if (moved != EEXIST)
            return failWithErrno(moved, error);
    }
    return fail(QStringLiteral("the Trash holds too many files of that name"), error);
}

} // namespace

bool Trash::moveToTrash(const QString &path, QString *error)
{
    return moveToTrash(path, Clock::system(), error);
}

bool Trash::moveToTrash(const QString &path, const Clock &clock, QString *error)
{
    const QByteArray file = FileName::toBytes(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    struct stat status;
    if (::lstat(file.constData(), &status) != 0)
        return failWithErrno(errno, error);
    const QByteArray folder = parentOf(file);
    const QByteArray name = file.mid(file.lastIndexOf('/') + 1);
    if (name.isEmpty())
        return failWithErrno(EINVAL, error);
    const std::unique_ptr<char, decltype(&::free)> resolved(::realpath(folder.constData(), nullptr), &::free);
    if (!resolved)
        return failWithErrno(errno, error);
    const QByteArray realFolder(resolved.get());
    const std::optional<TrashPlace> place = placeFor(realFolder, error);
    if (!place)
        return false;
    // The home trash notes the path as the user knows it; another trash notes it from the top of its disk.
    QByteArray original = file;
    if (!place->topFolder.isEmpty()) {
        const QByteArray realFile = (realFolder == "/" ? QByteArray() : realFolder) + '/' + name;
        original = realFile.mid(place->topFolder == "/" ? 1 : place->topFolder.size() + 1);
    }
    return moveInto(place->folder, file, infoText(original, clock.now()), error);
}

QString Trash::topFolderTrash(const QString &topFolder, QString *error)
{
    const QByteArray top = FileName::toBytes(QDir::cleanPath(topFolder));
    const QByteArray folder = topFolderTrashFolder(top);
    if (folder.isEmpty())
        fail(QStringLiteral("the disk at %1 has no trash this user may use").arg(shown(top)), error);
    return FileName::fromBytes(folder);
}
