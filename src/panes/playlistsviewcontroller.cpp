#include "playlistsviewcontroller.h"

#include "appcontext.h"
#include "dialogs.h"
#include "log.h"
#include "notesong.h"
#include "panecontext.h"
#include "playlists.h"
#include "playlisttablemodel.h"
#include "prefs.h"
#include "songcolumns.h"
#include "songcontextmenus.h"
#include "songs.h"
#include "songtableview.h"
#include "urlopener.h"
#include "vellorinappdelegate.h"

#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

VellorinAppDelegate *application()
{
    return VellorinAppDelegate::instance();
}

PlayLists *allPlaylists()
{
    return AppContext::instance()->playlists();
}

bool isSameSong(const SongPtr &song, const SongPtr &other)
{
    return song && other && (song == other || (!song->path().isEmpty() && song->path() == other->path()));
}

// The row of this entry: without a current song, the row of a missing song counts as the current song's.
bool showsSong(const SongPtr &resolvedSong, const SongPtr &current)
{
    return current ? isSameSong(resolvedSong, current) : !resolvedSong;
}

// The same line of the playlist file: reading the file again makes new objects of the same entries.
bool isSameEntry(const SongPtr &entry, const SongPtr &other)
{
    return entry && other &&
           (entry == other ||
            (entry->isNote() == other->isNote() && entry->titleSubtitleReference() == other->titleSubtitleReference() &&
             entry->playlistkey() == other->playlistkey()));
}

} // namespace

PlaylistsViewController::PlaylistsViewController(Dialogs &dialogs, Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_veto(clock)
{
    setObjectName(QStringLiteral("playlistsViewController"));
    buildPane();
    buildContextMenu();
}

PlaylistsViewController::~PlaylistsViewController() = default;

void PlaylistsViewController::buildPane()
{
    m_playlistsPopupButton = new QComboBox;
    m_playlistsPopupButton->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_playlistsPopupButton->setPlaceholderText(tr("- Select -"));
    m_playlistsPopupButton->setToolTip(tr("Playlist"));
    connect(m_playlistsPopupButton, &QComboBox::activated, this, &PlaylistsViewController::playlistsPopupSelected);

    m_commandsButton = new QToolButton;
    m_commandsButton->setText(tr("Playlist"));
    m_commandsButton->setToolTip(tr("Playlist commands"));
    m_commandsButton->setPopupMode(QToolButton::InstantPopup);

    m_songsTable = new SongTableView;
    m_model = new PlayListTableModel(this);
    m_songsTable->setModel(m_model);
    // Rows are dragged out as copies of the song files, and dropped within the table to reorder the playlist.
    m_songsTable->setDragDropMode(QAbstractItemView::DragDrop);
    m_songsTable->setDragDropOverwriteMode(false);
    m_songsTable->setDropIndicatorShown(true);
    SongTableView::RowRules rules;
    rules.veto = &m_veto;
    rules.songForRow = [this](int row) { return entryForRow(row); };
    rules.shouldSelectRow = [this](int row) { return shouldSelectRow(row); };
    rules.selectCurrentSong = [this] { selectCurrentSong(); };
    rules.holdsCurrentSong = [this](int row) { return holdsCurrentSong(row); };
    rules.rowAfterQuestion = [this](int row, const SongPtr &entry) { return rowAfterQuestion(row, entry); };
    m_songsTable->setRowRules(std::move(rules));
    m_songsTable->setTypeSelect(
        [this](int startRow, int endRow, const QString &typed) { return typeSelect(startRow, endRow, typed); });
    // The drop happens inside the table's own drop handling: the rows are read again after it.
    connect(m_model, &PlayListTableModel::reordered, this, &PlaylistsViewController::refresh, Qt::QueuedConnection);
    connect(m_songsTable, &SongTableView::selectionDidChange, this, &PlaylistsViewController::enableTagsChanged);

    auto *controls = new QHBoxLayout;
    controls->setContentsMargins(4, 4, 4, 0);
    controls->addWidget(m_playlistsPopupButton, 1);
    controls->addWidget(m_commandsButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(controls);
    layout->addWidget(m_songsTable, 1);
}

void PlaylistsViewController::buildContextMenu()
{
    SongContextMenus::Hooks hooks;
    hooks.selectedSongs = [this] { return selectedSongs(); };
    hooks.tagSwitched = [this](const QString &tag, bool switchedOn, const QList<SongPtr> &) {
        tagSwitched(tag, switchedOn);
    };
    hooks.songsToTag = [this] { return selectedRealSongs(); };
    hooks.selectionText = [this](bool withTime) { return textForEntries(selectedSongs(), withTime); };
    m_menus = new SongContextMenus(m_dialogs, std::move(hooks), this);
    // The entries went into another playlist (after the menu's own step, which comes later in the same event).
    connect(m_menus->addToPlaylistMenu(), &QMenu::triggered, this, &PlaylistsViewController::refresh,
            Qt::QueuedConnection);
    connect(this, &PlaylistsViewController::enableTagsChanged, this,
            [this] { m_menus->tagsMenuItem()->setEnabled(enableTags()); });

    QMenu *menu = m_menus->contextMenu();
    menu->addSeparator();
    menu->addAction(tr("Add Note…"), this, &PlaylistsViewController::addNote);
    menu->addAction(tr("Remove from Playlist"), this, &PlaylistsViewController::removeSongsFromPlaylist);
    menu->addSeparator();
    menu->addAction(tr("Sort by Title"), this, &PlaylistsViewController::sortByTitle);
    menu->addAction(tr("Sort by Subtitle"), this, &PlaylistsViewController::sortBySubtitle);
    menu->addAction(tr("Sort by Key"), this, &PlaylistsViewController::sortByKey);
    menu->addAction(tr("Shuffle"), this, &PlaylistsViewController::shufflePlaylist);
    m_revertSortMenuItem = menu->addAction(tr("Revert Sort"), this, &PlaylistsViewController::revertSort);
    menu->addSeparator();
    menu->addAction(tr("New Playlist…"), this, &PlaylistsViewController::newPlaylist);
    menu->addAction(tr("Rename Playlist…"), this, &PlaylistsViewController::renamePlaylist);
    menu->addAction(tr("Delete Playlist…"), this, &PlaylistsViewController::deletePlaylist);
    menu->addAction(tr("Show Playlist in File Manager"), this, &PlaylistsViewController::showPlaylistInFinder);
    menu->addSeparator();
    m_sortPlaylistsMenuItem =
        menu->addAction(tr("Sort Playlists by Date"), this, &PlaylistsViewController::toggleSortPlaylistsByDate);
    m_sortPlaylistsMenuItem->setCheckable(true);
    connect(menu, &QMenu::aboutToShow, this, &PlaylistsViewController::updateCommandStates);
    m_menus->tagsMenuItem()->setEnabled(false);
    m_songsTable->setContextMenu(menu);
    m_commandsButton->setMenu(menu);
    updateCommandStates();
}

void PlaylistsViewController::refresh()
{
    Log::write(QStringLiteral("Playlist refresh"));
    Prefs *prefs = PaneContext::settings();
    PlayLists *playlists = allPlaylists();
    if (!prefs || !playlists)
        return;
    m_sortPlaylistsMenuItem->setChecked(prefs->sortPlaylistsByDate());
    if (VellorinAppDelegate *delegate = application())
        delegate->saveCurrentSongInteractive(false);
    playlists->refresh();
    m_currentPlayList = playlistToShow();
    m_songsTable->setTimeColumnShown(prefs->showTimeColumn());
    reloadRows();
    fillPopupMenu();
    if (prefs->showPlaylists())
        selectCurrentSong();
    updateCommandStates();
}

std::shared_ptr<PlayList> PlaylistsViewController::playlistToShow() const
{
    // Reading the files again made new playlists: the one shown is found again by its title.
    const PlayLists &playlists = *allPlaylists();
    const QString stored = PaneContext::settings()->currentPlaylist().value_or(QString());
    std::shared_ptr<PlayList> playlist;
    if (m_currentPlayList)
        playlist = playlists.playlistWithTitle(m_currentPlayList->title());
    else if (!stored.isEmpty())
        playlist = playlists.playlistWithTitle(stored);
    return playlist ? playlist : playlists.playListAtIndex(0);
}

void PlaylistsViewController::reloadRows()
{
    m_songsTable->reloadRows([this] { m_model->setPlayList(m_currentPlayList); });
}

void PlaylistsViewController::fillPopupMenu()
{
    const QSignalBlocker quiet(m_playlistsPopupButton);
    const PlayLists &playlists = *allPlaylists();
    m_playlistsPopupButton->clear();
    for (const PopupMenuItem &item : playlists.popupMenuItems(true))
        m_playlistsPopupButton->addItem(item.title, item.tag);
    // No current playlist shows the placeholder.
    m_playlistsPopupButton->setCurrentIndex(int(playlists.playlists().indexOf(m_currentPlayList)));
}

void PlaylistsViewController::playlistsPopupSelected(int index)
{
    const PlayLists *playlists = allPlaylists();
    const std::shared_ptr<PlayList> playlist =
        playlists && index >= 0 ? playlists->playListAtIndex(m_playlistsPopupButton->itemData(index).toInt()) : nullptr;
    if (!playlist)
        return;
    m_currentPlayList = playlist;
    reloadRows();
    selectCurrentSong();
    PaneContext::settings()->setCurrentPlaylist(playlist->title());
    PaneContext::settings()->save();
    updateCommandStates();
}

void PlaylistsViewController::updateCommandStates()
{
    m_revertSortMenuItem->setEnabled(canUndoSort());
}

// --- Rows ---

SongPtr PlaylistsViewController::entryForRow(int row) const
{
    return m_currentPlayList ? m_currentPlayList->songForRow(row) : nullptr;
}

SongPtr PlaylistsViewController::resolved(const SongPtr &entry)
{
    Songs *songs = AppContext::instance()->songs();
    return songs && entry ? songs->songForSong(entry) : nullptr;
}

void PlaylistsViewController::selectCurrentSong()
{
    const int row = rowOfCurrentSong();
    rememberShownRow(row);
    if (row < 0) {
        m_songsTable->clearSelectionQuietly();
        return;
    }
    m_songsTable->selectRowAlone(row);
    const SongPtr entry = entryForRow(row);
    const SongPtr song = resolved(entry);
    // An entry without a key shows its song as written; a note has nothing to transpose.
    if (VellorinAppDelegate *delegate = application(); delegate && song && !song->isNote())
        delegate->setTranspose(song->deltaForTransposeKey(entry->playlistkey().value_or(QString())));
    fillMenusForEntry(entry, song);
}

int PlaylistsViewController::rowOfCurrentSong() const
{
    // The same song may stand twice, in two keys, and notes have no file: the row shown before comes first.
    if (m_shownEntry) {
        const int rows = m_model->rowCount();
        for (int row = 0; row < rows; ++row)
            if (entryForRow(row) == m_shownEntry && showsCurrentSong(row))
                return row;
        if (isSameEntry(entryForRow(m_shownRow), m_shownEntry) && showsCurrentSong(m_shownRow))
            return m_shownRow;
    }
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (showsCurrentSong(row))
            return row;
    return -1;
}

bool PlaylistsViewController::showsCurrentSong(int row) const
{
    const SongPtr entry = entryForRow(row);
    if (!entry)
        return false;
    const SongPtr current = PaneContext::currentSong();
    if (entry->isNote())
        return isSameEntry(entry, current);
    return showsSong(resolved(entry), current);
}

void PlaylistsViewController::rememberShownRow(int row)
{
    m_shownRow = row;
    m_shownEntry = entryForRow(row);
}

bool PlaylistsViewController::shouldSelectRow(int row)
{
    const SongPtr entry = entryForRow(row);
    if (!entry)
        return false;
    const SongPtr song = resolved(entry);
    // An entry not found while the library loads may be among the songs still being read: the row is taken now,
    // its song shown once they are (unless another row was chosen meanwhile), never a false "Song not found".
    m_entryAwaitingLibrary = nullptr;
    if (Songs *songs = AppContext::instance()->songs(); !song && songs && songs->isLoading()) {
        m_entryAwaitingLibrary = entry;
        songs->whenLoaded(this, [this, row, entry] {
            // The playlists read again when the load is taken hold new entries of the same songs.
            const SongPtr now = entryForRow(row);
            if (std::exchange(m_entryAwaitingLibrary, nullptr) != entry || !isSameEntry(now, entry))
                return;
            m_songsTable->selectRowAlone(row);
            showEntry(row, now, resolved(now));
        });
        return true;
    }
    showEntry(row, entry, song);
    return true;
}

void PlaylistsViewController::showEntry(int row, const SongPtr &entry, const SongPtr &song)
{
    VellorinAppDelegate *delegate = application();
    if (!song) {
        Dialogs::Alert alert;
        alert.title = tr("Song not found");
        alert.informativeText = entry->description();
        alert.defaultButton = QStringLiteral("OK");
        m_dialogs.runAlert(alert);
    }
    // A missing song leaves no current song: the song shown before is not the one chosen.
    if (delegate)
        delegate->setCurrentSong(song);
    rememberShownRow(row);
    // Without a key of its own the entry keeps the transposition that showing the song gave it.
    const QString key = entry->playlistkey().value_or(QString());
    if (delegate && song && !key.isEmpty())
        delegate->setTranspose(song->deltaForTransposeKey(key));
    fillMenusForEntry(entry, song);
}

void PlaylistsViewController::fillMenusForEntry(const SongPtr &entry, const SongPtr &song)
{
    m_menus->fillPlaylistPopupMenuForSong(entry.get());
    m_menus->fillTagsPopupMenuForSong(song.get());
}

bool PlaylistsViewController::holdsCurrentSong(int row) const
{
    // The same song may stand in a playlist twice, in two keys: only the row chosen shows it.
    return row == m_shownRow && showsCurrentSong(row);
}

int PlaylistsViewController::rowAfterQuestion(int row, const SongPtr &entry) const
{
    // Saving may have read the playlist again into new entries.
    if (isSameEntry(entryForRow(row), entry))
        return row;
    for (int each = 0; each < m_model->rowCount(); ++each)
        if (isSameEntry(entryForRow(each), entry))
            return each;
    return -1;
}

int PlaylistsViewController::typeSelect(int startRow, int endRow, const QString &typed)
{
    return m_songsTable->chooseTypedRow(SongTableView::rowStartingWith(
        startRow, endRow, m_model->rowCount(), typed, [this](int each) { return entryForRow(each)->title(); }));
}

// --- Selection ---

QList<int> PlaylistsViewController::selectedSongIndices() const
{
    return m_songsTable->selectedRows();
}

SongPtr PlaylistsViewController::selectedEntry() const
{
    const QList<int> rows = selectedSongIndices();
    return rows.isEmpty() ? nullptr : entryForRow(rows.first());
}

QList<SongPtr> PlaylistsViewController::selectedSongs() const
{
    QList<SongPtr> entries;
    for (const int row : selectedSongIndices())
        if (const SongPtr entry = entryForRow(row))
            entries.append(entry);
    return entries;
}

QList<SongPtr> PlaylistsViewController::selectedRealSongs() const
{
    const SongPtr current = PaneContext::currentSong();
    QList<SongPtr> songs;
    for (const SongPtr &entry : selectedSongs())
        if (const SongPtr song = resolved(entry))
            songs.append(isSameSong(song, current) ? current : song);
    return songs;
}

SongPtr PlaylistsViewController::nextSong() const
{
    return resolved(m_songsTable->songNextToSelection(1));
}

SongPtr PlaylistsViewController::prevSong() const
{
    return resolved(m_songsTable->songNextToSelection(-1));
}

bool PlaylistsViewController::hasEntryNextToSelection(int offset) const
{
    return m_songsTable->songNextToSelection(offset) != nullptr;
}

SongPtr PlaylistsViewController::stepToEntryNextToSelection(int offset)
{
    if (!hasEntryNextToSelection(offset))
        return nullptr;
    rememberShownRow(m_songsTable->rowNextToSelection(offset));
    const SongPtr song = resolved(m_shownEntry);
    // On stage no question stops the way on: the row tells the song is missing, and no song is shown.
    if (!song)
        Log::write(QStringLiteral("Song not found: %1").arg(m_shownEntry->description()));
    return song;
}

bool PlaylistsViewController::enableTags() const
{
    const QList<SongPtr> songs = selectedRealSongs();
    return std::any_of(songs.cbegin(), songs.cend(),
                       [](const SongPtr &song) { return SongContextMenus::canCarryTags(*song); });
}

bool PlaylistsViewController::canUndoSort() const
{
    return m_currentPlayList && m_currentPlayList->originalSongs().has_value();
}

// --- Commands ---

std::optional<QString> PlaylistsViewController::askForText(const QString &title, const QString &text)
{
    Dialogs::TextPrompt prompt;
    prompt.title = title;
    prompt.text = text;
    prompt.defaultButton = QStringLiteral("OK");
    prompt.alternateButton = tr("Cancel");
    return m_dialogs.runTextPrompt(prompt);
}

void PlaylistsViewController::newPlaylist()
{
    PlayLists *playlists = allPlaylists();
    const std::optional<QString> typed = playlists ? askForText(tr("New Playlist")) : std::nullopt;
    const QString title = typed ? typed->trimmed() : QString();
    if (title.isEmpty())
        return;
    const std::shared_ptr<PlayList> added = playlists->addPlaylistWithTitle(title);
    if (!added)
        return; // its file could not be made, which the user has been told
    m_currentPlayList = added;
    PaneContext::settings()->setCurrentPlaylist(m_currentPlayList->title());
    PaneContext::settings()->save();
    refresh();
}

void PlaylistsViewController::renamePlaylist()
{
    if (!m_currentPlayList)
        return;
    const std::optional<QString> typed = askForText(tr("Rename Playlist"), m_currentPlayList->title());
    const QString title = typed ? typed->trimmed() : QString();
    // A failed write keeps the old file and title; the playlist has told the user.
    if (title.isEmpty() || !m_currentPlayList->rename(title))
        return;
    PaneContext::settings()->setCurrentPlaylist(m_currentPlayList->title());
    PaneContext::settings()->save();
    refresh();
}

void PlaylistsViewController::deletePlaylist()
{
    PlayLists *playlists = allPlaylists();
    if (!m_currentPlayList || !playlists)
        return;
    Dialogs::Alert alert;
    alert.title = tr("Delete playlist?");
    alert.informativeText = m_currentPlayList->title();
    alert.defaultButton = tr("Delete");
    alert.alternateButton = tr("Cancel");
    if (m_dialogs.runAlert(alert) != Dialogs::Answer::Default)
        return;
    const qsizetype index = playlists->playlists().indexOf(m_currentPlayList);
    if (index >= 0 && playlists->deletePlayListAtIndex(int(index)))
        m_currentPlayList.reset();
    refresh();
}

void PlaylistsViewController::showPlaylistInFinder()
{
    // The desktop offers no common way to point at one file: the file manager opens the folder holding it.
    if (m_currentPlayList && !m_currentPlayList->path().isEmpty())
        UrlOpener::open(QUrl::fromLocalFile(QFileInfo(m_currentPlayList->path()).absolutePath()));
}

void PlaylistsViewController::addNote()
{
    if (!m_currentPlayList)
        return;
    const std::optional<QString> text = askForText(tr("Add Note"));
    if (!text)
        return;
    auto note = std::make_shared<NoteSong>();
    note->setText(*text);
    const QList<int> rows = selectedSongIndices();
    m_currentPlayList->insertSong(note, rows.isEmpty() ? 0 : rows.last() + 1);
    playListChanged();
}

void PlaylistsViewController::removeSongsFromPlaylist()
{
    if (!m_currentPlayList)
        return;
    QList<int> rows = selectedSongIndices();
    // From the last row up, so the rows still to go keep their indexes.
    std::reverse(rows.begin(), rows.end());
    for (const int row : rows)
        m_currentPlayList->deleteSongAtIndex(row);
    playListChanged();
}

void PlaylistsViewController::playListChanged()
{
    m_currentPlayList->save();
    refresh();
}

void PlaylistsViewController::sortByTitle()
{
    reorder(&PlayList::sortByTitle);
}

void PlaylistsViewController::sortBySubtitle()
{
    reorder(&PlayList::sortBySubTitle);
}

void PlaylistsViewController::sortByKey()
{
    reorder(&PlayList::sortByKey);
}

void PlaylistsViewController::shufflePlaylist()
{
    reorder([this](PlayList &playlist) { playlist.shuffle(m_randomBelow); });
}

void PlaylistsViewController::revertSort()
{
    reorder(&PlayList::undoSort);
}

void PlaylistsViewController::reorder(const std::function<void(PlayList &)> &order)
{
    // The rows are shown again without reading the file back, which would drop the order to revert to.
    if (!m_currentPlayList)
        return;
    order(*m_currentPlayList);
    m_currentPlayList->save();
    reloadRows();
    selectCurrentSong();
    updateCommandStates();
}

void PlaylistsViewController::toggleSortPlaylistsByDate()
{
    Prefs *prefs = PaneContext::settings();
    prefs->setSortPlaylistsByDate(!prefs->sortPlaylistsByDate());
    // Kept at once, as every choice of the user: a quit that follows no other save would lose it.
    prefs->save();
    refresh();
}

void PlaylistsViewController::tagSwitched(const QString &tag, bool switchedOn)
{
    if (switchedOn) {
        PaneContext::settings()->setCurrentTag(tag);
        PaneContext::settings()->save();
    }
    // The library reads the tagged files again, so its tag index holds the change.
    if (Songs *songs = AppContext::instance()->songs())
        songs->refresh();
}

QString PlaylistsViewController::textForEntries(const QList<SongPtr> &entries, bool withTime)
{
    QString text;
    for (const SongPtr &entry : entries) {
        const SongPtr song = entry->isNote() ? nullptr : resolved(entry);
        text += entry->titleSubtitleReference();
        QString key = entry->playlistkey().value_or(QString());
        if (key.isEmpty() && song)
            key = song->key();
        if (!key.isEmpty())
            text += QStringLiteral(" [%1]").arg(key);
        if (withTime && song && song->playingTime() != 0)
            text += u' ' + SongColumns::playingTime(song->playingTime());
        text += u'\n';
    }
    return text;
}

// --- Layout ---

void PlaylistsViewController::saveLayout(VellorinWindowLayout &layout) const
{
    m_songsTable->saveColumnShares(layout);
}

void PlaylistsViewController::loadLayout(const VellorinWindowLayout &layout)
{
    m_songsTable->loadColumnShares(layout);
}
