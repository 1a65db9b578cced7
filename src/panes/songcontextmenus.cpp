#include "songcontextmenus.h"

#include "appcontext.h"
#include "dialogs.h"
#include "filename.h"
#include "panecontext.h"
#include "pdfsong.h"
#include "playlist.h"
#include "playlists.h"
#include "prefs.h"
#include "songcolumns.h"
#include "songs.h"
#include "urlopener.h"
#include "vellorinappdelegate.h"

#include <QClipboard>
#include <QCollator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QUrl>

#include <algorithm>

SongContextMenus::SongContextMenus(Dialogs &dialogs, Hooks hooks, QWidget *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_hooks(std::move(hooks))
{
    m_contextMenu = new QMenu(parent);
    m_addToPlaylistMenu = m_contextMenu->addMenu(tr("Add to Playlist"));
    m_tagsMenu = new QMenu(tr("Tags"), m_contextMenu);
    m_tagsMenuItem = m_contextMenu->addMenu(m_tagsMenu);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(tr("Copy as Text"), this, &SongContextMenus::copyAsText);
    m_contextMenu->addAction(tr("Show in File Manager"), this, &SongContextMenus::showInFinder);
    fillForSong(nullptr);
}

void SongContextMenus::fillForSong(const Song *song)
{
    fillPlaylistPopupMenuForSong(song);
    fillTagsPopupMenuForSong(song);
}

void SongContextMenus::fillPlaylistPopupMenuForSong(const Song *song)
{
    m_addToPlaylistMenu->clear();
    if (const PlayLists *playlists = AppContext::instance()->playlists()) {
        for (const PopupMenuItem &item : playlists->popupMenuItems(false)) {
            QAction *action = m_addToPlaylistMenu->addAction(item.title);
            const std::shared_ptr<PlayList> playlist = playlists->playListAtIndex(item.tag);
            action->setCheckable(true);
            action->setChecked(song && playlist && playlist->containsSong(*song));
            connect(action, &QAction::triggered, this, [this, index = item.tag] { playlistSelected(index); });
        }
    }
    m_addToPlaylistMenu->addSeparator();
    QAction *newPlaylist = m_addToPlaylistMenu->addAction(tr("New Playlist…"), this, &SongContextMenus::newPlaylist);
    // Shown in the menu and taken while it is open; the window's own command keeps the key everywhere else.
    newPlaylist->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    newPlaylist->setShortcutContext(Qt::WidgetShortcut);
}

void SongContextMenus::fillTagsPopupMenuForSong(const Song *song)
{
    m_tagsMenu->clear();
    const QSet<QString> songTags = song ? song->tags() : QSet<QString>();
    if (const Songs *songs = AppContext::instance()->songs()) {
        for (const QString &tag : sortedTagNames(songs->songsByTag())) {
            QAction *action = m_tagsMenu->addAction(tag);
            action->setCheckable(true);
            action->setChecked(songTags.contains(tag));
            connect(action, &QAction::triggered, this, [this, tag] { tagSelected(tag); });
        }
    }
    m_tagsMenu->addSeparator();
    m_tagsMenu->addAction(tr("New Tag…"), this, &SongContextMenus::newTag);
}

QStringList SongContextMenus::sortedTagNames(const QMap<QString, QList<SongPtr>> &songsByTag)
{
    QStringList tags = songsByTag.keys();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(tags.begin(), tags.end(),
                     [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return tags;
}

void SongContextMenus::newPlaylist()
{
    PlayLists *playlists = AppContext::instance()->playlists();
    if (!playlists)
        return;
    const std::optional<QString> typed = askForName(tr("New Playlist"));
    const QString title = typed ? typed->trimmed() : QString();
    if (title.isEmpty())
        return;
    const std::shared_ptr<PlayList> playlist = playlists->addPlaylistWithTitle(title);
    playlistSelected(int(playlists->playlists().indexOf(playlist)));
}

void SongContextMenus::playlistSelected(int index)
{
    const PlayLists *playlists = AppContext::instance()->playlists();
    const std::shared_ptr<PlayList> playlist = playlists ? playlists->playListAtIndex(index) : nullptr;
    if (!playlist)
        return;
    const QList<SongPtr> songs = m_hooks.selectedSongs();
    for (const SongPtr &song : songs)
        playlist->addSong(song);
    playlist->save();
    if (!songs.isEmpty())
        fillPlaylistPopupMenuForSong(songs.first().get());
}

void SongContextMenus::tagSelected(const QString &tag)
{
    VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    if (!delegate)
        return;
    delegate->saveOrUpdateCurrentSong();
    const bool couldSave = delegate->canSave();
    const SongPtr current = delegate->currentSong();
    const bool switchOn = !(current && current->tags().contains(tag));
    const QList<SongPtr> songs = songsToTag();
    setTag(songs, tag, switchOn);
    // The editor takes the text that now carries the tag; else its next save would drop it.
    delegate->updateEditorAfterModelChange(couldSave);
    m_hooks.tagSwitched(tag, switchOn, songs);
    fillTagsPopupMenuForSong(delegate->currentSong().get());
}

void SongContextMenus::newTag()
{
    VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    const QList<SongPtr> songs = delegate ? songsForNewTag() : QList<SongPtr>();
    if (songs.isEmpty())
        return;
    const std::optional<QString> typed = askForName(tr("New Tag"));
    const std::optional<QString> tag = typed ? tagFromTypedName(*typed) : std::nullopt;
    if (!tag)
        return;
    const bool couldSave = delegate->canSave();
    setTag(songs, *tag, true);
    delegate->updateEditorAfterModelChange(couldSave);
    if (Songs *library = AppContext::instance()->songs()) {
        for (const SongPtr &song : songs)
            if (song->tags().contains(*tag))
                library->addTag(*tag, song);
    }
    fillTagsPopupMenuForSong(delegate->currentSong().get());
    if (Prefs *prefs = AppContext::instance()->prefs()) {
        prefs->setCurrentTag(*tag);
        prefs->save();
    }
}

QList<SongPtr> SongContextMenus::songsToTag() const
{
    return m_hooks.songsToTag ? m_hooks.songsToTag() : m_hooks.selectedSongs();
}

QList<SongPtr> SongContextMenus::songsForNewTag() const
{
    // A note would take the tag into its playlist's file, and a song without a file has none to carry it.
    QList<SongPtr> songs;
    if (m_hooks.songsToTag)
        songs = m_hooks.songsToTag();
    else if (const SongPtr current = PaneContext::currentSong())
        songs = {current};
    songs.removeIf([](const SongPtr &song) { return !canCarryTags(*song); });
    return songs;
}

void SongContextMenus::setTag(const QList<SongPtr> &songs, const QString &tag, bool on)
{
    const SongPtr current = PaneContext::currentSong();
    AppContext::instance()->temporaryStopFSRefresh();
    QStringList notTagged;
    QString why;
    for (const SongPtr &listed : songs) {
        // The current song's file changes only through the application's own object, which the editor holds:
        // a change made through another object for the file would be lost at the editor's next save.
        const bool isCurrent = current && !current->path().isEmpty() && listed->path() == current->path();
        Song &song = isCurrent ? *current : *listed;
        if (!canCarryTags(song) || song.tags().contains(tag) == on)
            continue;
        if (on ? song.addTag(tag) : song.deleteTag(tag))
            continue;
        notTagged.append(song.quotedTitle());
        why = song.saveFailure();
    }
    if (!notTagged.isEmpty())
        AppContext::instance()->reportFailedWrite(
            tr("The tag \u201c%1\u201d of %2").arg(tag, notTagged.join(QStringLiteral(", "))), why);
}

std::optional<QString> SongContextMenus::askForName(const QString &title)
{
    Dialogs::TextPrompt prompt;
    prompt.title = title;
    prompt.defaultButton = tr("OK");
    prompt.alternateButton = tr("Cancel");
    return m_dialogs.runTextPrompt(prompt);
}

std::optional<QString> SongContextMenus::tagFromTypedName(const QString &typed)
{
    const QString tag = Song::sanitizedDirectiveValue(typed).trimmed();
    return tag.isEmpty() ? std::nullopt : std::optional<QString>(tag);
}

bool SongContextMenus::canCarryTags(const Song &song)
{
    return !song.isNote() && !song.path().isEmpty() && !dynamic_cast<const PDFSong *>(&song);
}

void SongContextMenus::copyAsText()
{
    const Prefs *prefs = AppContext::instance()->prefs();
    const bool withTime = prefs && prefs->showTimeColumn();
    QGuiApplication::clipboard()->setText(m_hooks.selectionText ? m_hooks.selectionText(withTime)
                                                                : textForSongs(m_hooks.selectedSongs(), withTime));
}

QString SongContextMenus::textForSongs(const QList<SongPtr> &songs, bool withTime)
{
    QString text;
    for (const SongPtr &song : songs) {
        text += song->titleSubtitleReference();
        if (const QString key = song->key(); !key.isEmpty())
            text += QStringLiteral(" [%1]").arg(key);
        if (withTime && song->playingTime() != 0)
            text += u' ' + SongColumns::playingTime(song->playingTime());
        text += u'\n';
    }
    return text;
}

void SongContextMenus::showInFinder()
{
    // The desktop offers no common way to point at one file: the file manager opens the folder holding it.
    const SongPtr song = PaneContext::currentSong();
    if (!song || song->path().isEmpty())
        return;
    UrlOpener::open(FileName::toUrl(QFileInfo(song->path()).absolutePath()));
}
