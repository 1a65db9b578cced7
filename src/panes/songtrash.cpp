#include "songtrash.h"

#include "appcontext.h"
#include "filename.h"
#include "log.h"
#include "panecontrollers.h"
#include "vellorinappdelegate.h"

#include <QFile>

#include <algorithm>

bool SongTrash::moveToTrash(const QList<SongPtr> &songs)
{
    VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    const SongPtr shown = delegate ? delegate->currentSong() : nullptr;
    const bool deletesShown = shown && !shown->path().isEmpty() &&
                              std::any_of(songs.cbegin(), songs.cend(),
                                          [&shown](const SongPtr &song) { return song->path() == shown->path(); });
    if (deletesShown && delegate->panes().songEdit)
        delegate->panes().songEdit->discardEdits();
    AppContext::instance()->temporaryStopFSRefresh();
    bool shownTrashed = false;
    for (const SongPtr &song : songs) {
        // The Trash is reached through Qt, which spells names as UTF-8: another name would lead to another file.
        if (FileName::hasRawBytes(song->path())) {
            Log::write(QStringLiteral("Cannot move %1 to the Trash: its name is not UTF-8; renamed, it can be")
                           .arg(song->path()));
            continue;
        }
        if (QFile::moveToTrash(song->path()))
            shownTrashed = shownTrashed || (deletesShown && song->path() == shown->path());
    }
    if (shownTrashed)
        shown->setPath(QString());
    return deletesShown;
}
