#include "songtrash.h"

#include "appcontext.h"
#include "filepath.h"
#include "log.h"
#include "panecontrollers.h"
#include "trash.h"
#include "vellorinappdelegate.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Moves each song's file to the Trash; the titles of those that stayed, quoted, and the last reason why.
QStringList trashFiles(const QList<SongPtr> &songs, QString &why)
{
    QStringList stayed;
    for (const SongPtr &song : songs) {
        QString error;
        if (Trash::moveToTrash(song->path(), &error))
            continue;
        Log::write(QStringLiteral("Cannot move %1 to the Trash: %2").arg(song->path(), error));
        stayed.append(song->quotedTitle());
        why = error;
    }
    return stayed;
}

} // namespace

bool SongTrash::moveToTrash(const QList<SongPtr> &songs)
{
    VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    const SongPtr shown = delegate ? delegate->currentSong() : nullptr;
    const bool deletesShown = shown && !shown->path().isEmpty() &&
                              std::any_of(songs.cbegin(), songs.cend(),
                                          [&shown](const SongPtr &song) { return song->path() == shown->path(); });
    AppContext::instance()->temporaryStopFSRefresh();
    QString why;
    const QStringList stayed = trashFiles(songs, why);
    const bool shownTrashed = deletesShown && !FilePath::isFile(shown->path());
    if (shownTrashed) {
        if (delegate->panes().songEdit)
            delegate->panes().songEdit->discardEdits();
        shown->setPath(QString());
    }
    if (!stayed.isEmpty()) {
        const char *what = stayed.size() > 1 ? QT_TRANSLATE_NOOP("SongTrash", "The songs %1")
                                             : QT_TRANSLATE_NOOP("SongTrash", "The song %1");
        AppContext::instance()->reportFailedTrash(
            QCoreApplication::translate("SongTrash", what).arg(stayed.join(QStringLiteral(", "))), why);
    }
    return shownTrashed;
}
