// Watches a folder and its direct sub-folders for changes made by any program, through the kernel's inotify.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>

class QSocketNotifier;

// One watch per folder reports files made, deleted, renamed in or out, written and closed, written in place and
// changed in their attributes, so writes into a file are seen without watching every file. The watched set
// follows the sub-folders that appear or vanish (hidden ones are left alone), and the root is watched again when
// it is removed and made again (its parent is watched for that). Changes are collected from the first one for
// the latency and then delivered as one batch.
class FolderWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds defaultLatency{2000};

    // Starts watching root at once. A folder that cannot be watched is logged and yields no changes.
    explicit FolderWatcher(const QString &root, std::chrono::milliseconds latency = defaultLatency,
                           QObject *parent = nullptr);
    ~FolderWatcher() override;

    const QString &root() const { return m_root; }
    // The folders watched now: the root (while it exists) and its sub-folders that are not hidden.
    QStringList watchedFolders() const;

Q_SIGNALS:
    // The paths that changed since the batch began, each once, in the order first reported. A changed folder's
    // own path stands for changes that name no entry (the folder itself was removed, or events were lost).
    void pathsChanged(const QStringList &paths);

private:
    void watchRoot();
    void watchFolder(const QString &path, bool isRoot);
    void readEvents();
    void handleEvent(int watch, quint32 mask, const QString &name);
    void report(const QString &path);
    void deliver();

    QString m_root;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    // Watch descriptor to the folder it watches.
    QHash<int, QString> m_folders;
    int m_rootWatch = -1;
    int m_parentWatch = -1;
    QStringList m_pending;
    QSet<QString> m_pendingSet;
    QTimer m_batch;
};
