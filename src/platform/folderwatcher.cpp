#include "folderwatcher.h"

#include "filename.h"
#include "log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

constexpr quint32 kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_MODIFY |
                                  IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
// The root's parent only tells when the root appears again.
constexpr quint32 kParentEvents = IN_CREATE | IN_MOVED_TO | IN_ONLYDIR;

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

FolderWatcher::FolderWatcher(const QString &root, std::chrono::milliseconds latency, QObject *parent)
    : QObject(parent)
    , m_root(QDir::cleanPath(QFileInfo(root).absoluteFilePath()))
{
    m_batch.setSingleShot(true);
    m_batch.setInterval(latency);
    connect(&m_batch, &QTimer::timeout, this, &FolderWatcher::deliver);
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0) {
        Log::write(QStringLiteral("Cannot watch %1: %2").arg(m_root, errnoText()));
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &FolderWatcher::readEvents);
    const QString parentFolder = QFileInfo(m_root).path();
    if (parentFolder != m_root) {
        m_parentWatch = inotify_add_watch(m_fd, FileName::toBytes(parentFolder).constData(), kParentEvents);
        if (m_parentWatch < 0)
            Log::write(QStringLiteral("Cannot watch %1: %2").arg(parentFolder, errnoText()));
    }
    watchRoot();
}

FolderWatcher::~FolderWatcher()
{
    if (m_fd >= 0)
        ::close(m_fd); // every watch goes with it
}

QStringList FolderWatcher::watchedFolders() const
{
    QStringList folders = m_folders.values();
    folders.sort();
    return folders;
}

void FolderWatcher::watchRoot()
{
    if (m_fd < 0)
        return;
    watchFolder(m_root, true);
    if (m_rootWatch < 0)
        return;
    // Hidden folders are not categories: the library never reads them.
    const QStringList categories = QDir(m_root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &category : categories)
        watchFolder(QDir(m_root).filePath(category), false);
}

void FolderWatcher::watchFolder(const QString &path, bool isRoot)
{
    const int watch = inotify_add_watch(m_fd, FileName::toBytes(path).constData(), kFolderEvents);
    if (watch < 0) {
        Log::write(QStringLiteral("Cannot watch %1: %2").arg(path, errnoText()));
        return;
    }
    m_folders.insert(watch, path);
    if (isRoot)
        m_rootWatch = watch;
}

void FolderWatcher::readEvents()
{
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            return; // EAGAIN: everything read
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            const QString name = event->len ? FileName::fromBytes(static_cast<const char *>(event->name)) : QString();
            handleEvent(event->wd, event->mask, name);
            at += ssize_t(sizeof(inotify_event)) + event->len;
        }
    }
}

void FolderWatcher::handleEvent(int watch, quint32 mask, const QString &name)
{
    if (mask & IN_Q_OVERFLOW) {
        // Events were lost: anything may have changed, folders too.
        watchRoot();
        report(m_root);
        return;
    }
    if (watch == m_parentWatch) {
        if ((mask & IN_ISDIR) && name == QFileInfo(m_root).fileName()) {
            watchRoot();
            report(m_root);
        }
        return;
    }
    const QString folder = m_folders.value(watch);
    if (folder.isEmpty())
        return; // a watch already let go
    if (mask & IN_IGNORED) {
        m_folders.remove(watch);
        if (watch == m_rootWatch)
            m_rootWatch = -1;
        return;
    }
    if (mask & IN_MOVE_SELF) {
        // The folder now lies elsewhere: its watch, and for the root those of its sub-folders, are let go; the
        // root is watched again when a folder of its name appears.
        const QList<int> watches = watch == m_rootWatch ? m_folders.keys() : QList<int>{watch};
        for (const int moved : watches) {
            inotify_rm_watch(m_fd, moved);
            m_folders.remove(moved);
        }
        if (watch == m_rootWatch)
            m_rootWatch = -1;
        report(folder);
        return;
    }
    const QString path = name.isEmpty() ? folder : folder + u'/' + name;
    if (watch == m_rootWatch && (mask & IN_ISDIR) && !name.startsWith(u'.')) {
        if (mask & (IN_CREATE | IN_MOVED_TO))
            watchFolder(path, false);
        else if (mask & IN_MOVED_FROM)
            inotify_rm_watch(m_fd, m_folders.key(path, -1));
    }
    report(path);
}

void FolderWatcher::report(const QString &path)
{
    if (!m_pendingSet.contains(path)) {
        m_pendingSet.insert(path);
        m_pending.append(path);
    }
    if (!m_batch.isActive())
        m_batch.start();
}

void FolderWatcher::deliver()
{
    m_pendingSet.clear();
    Q_EMIT pathsChanged(std::exchange(m_pending, {}));
}
