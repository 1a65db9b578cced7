#include "songtrash.h"

#include "appcontext.h"
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
        if (QFile::moveToTrash(song->path()))
            shownTrashed = shownTrashed || (deletesShown && song->path() == shown->path());
    }
    if (shownTrashed)
        shown->setPath(QString());
    return deletesShown;
}
