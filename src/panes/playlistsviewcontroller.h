// The playlists pane: one playlist at a time, chosen in a pop-up, whose entries (songs with the key the playlist
// gives them, and notes) fill the table; choosing a row shows the entry's song in that key. With the commands
// that make, rename, delete, edit and reorder playlists.
#pragma once

#include "panecontrollers.h"
#include "playlist.h"
#include "selectionveto.h"
#include "song.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class Clock;
class Dialogs;
class QAction;
class QComboBox;
class QToolButton;
class PlayListTableModel;
class SongContextMenus;
class SongTableView;

class PlaylistsViewController : public QWidget, public PlaylistsPane
{
    Q_OBJECT

public:
    // Questions go through dialogs; the clock times the pause after a refused selection.
    PlaylistsViewController(Dialogs &dialogs, Clock &clock, QWidget *parent = nullptr);
    ~PlaylistsViewController() override;

    // --- PlaylistsPane ---
    // Saves the current song's edits without asking, reads the playlists again and shows them: the playlist shown
    // so far, else the one the settings name, else the first (the settings stay as they are); the current song's
    // row selected while the playlists are shown.
    void refresh() override;
    QWidget *widget() override { return this; }
    // Column widths, as the song list keeps them.
    void saveLayout(VellorinWindowLayout &layout) const override;
    void loadLayout(const VellorinWindowLayout &layout) override;
    SongPtr selectedEntry() const override;
    std::shared_ptr<PlayList> currentPlayList() const override { return m_currentPlayList; }
    SongPtr nextSong() const override;
    SongPtr prevSong() const override;
    bool hasEntryNextToSelection(int offset) const override;
    SongPtr stepToEntryNextToSelection(int offset) override;
    QList<SongPtr> selectedSongs() const override;
    // For the current song's file, the current song's object: it holds the edits.
    QList<SongPtr> selectedRealSongs() const override;

    // Selects the row of the current song and shows that song in the entry's key, 0 semitones for an entry
    // without a key; no row when none matches. The row shown before (chosen or stepped to) keeps the selection
    // while it holds the same entry; else the first row whose song is the current song (without a current song:
    // the first entry whose song is missing).
    void selectCurrentSong();
    // The selected rows, ascending.
    QList<int> selectedSongIndices() const;
    // At least one selected entry's song can carry tags.
    bool enableTags() const;
    // The current playlist holds the order from before its last sort or shuffle.
    bool canUndoSort() const;

    // --- Commands ---
    // The pop-up's item at index was chosen: its playlist is shown, and the settings keep its title.
    void playlistsPopupSelected(int index);
    // Asks for a title; the playlist of that title, made when there is none, is shown.
    void newPlaylist();
    // Asks for a new title for the current playlist; its file is written under the new name first.
    void renamePlaylist();
    // Moves the current playlist's file to the Trash, after asking.
    void deletePlaylist();
    // Opens the folder of the current playlist's file in the file manager.
    void showPlaylistInFinder();
    // Asks for a note's text (empty text too) and inserts the note after the selected row, at the top without one.
    void addNote();
    // Takes the selected entries out of the current playlist, without asking.
    void removeSongsFromPlaylist();
    void sortByTitle();
    void sortBySubtitle();
    void sortByKey();
    void shufflePlaylist();
    // Puts back the order from before the last sort or shuffle.
    void revertSort();
    // The playlists are listed by file date, newest first, or by title; the settings keep the choice.
    void toggleSortPlaylistsByDate();
    // The first row from startRow to endRow (wrapping past the last row) whose entry's title begins with the
    // typed text, ignoring case, chosen as by a click; -1 when none matches or the choice is refused.
    int typeSelect(int startRow, int endRow, const QString &typed);

    // One line per entry: its reference, " [key]" with the playlist's key or else its song's key, " m:ss" when
    // withTime and its song has a playing time. A note gives its own line; a missing song its reference (and the
    // playlist's key).
    static QString textForEntries(const QList<SongPtr> &entries, bool withTime);

    // Where the shuffle draws its numbers; the system's random numbers unless set.
    void setRandomBelow(PlayList::RandomBelow randomBelow) { m_randomBelow = std::move(randomBelow); }

    QComboBox *playlistsPopupButton() const { return m_playlistsPopupButton; }
    SongTableView *songsTable() const { return m_songsTable; }
    PlayListTableModel *model() const { return m_model; }
    SongContextMenus &menus() const { return *m_menus; }
    QToolButton *commandsButton() const { return m_commandsButton; }
    QAction *revertSortMenuItem() const { return m_revertSortMenuItem; }
    QAction *sortPlaylistsMenuItem() const { return m_sortPlaylistsMenuItem; }

Q_SIGNALS:
    // enableTags() may answer otherwise: after every change of the table's selection.
    void enableTagsChanged();

private:
    void buildPane();
    void buildContextMenu();
    std::shared_ptr<PlayList> playlistToShow() const;
    void showPlayList(const std::shared_ptr<PlayList> &playlist);
    void reloadRows();
    void fillPopupMenu();
    void updateCommandStates();

    // Row steps.
    SongPtr entryForRow(int row) const;
    static SongPtr resolved(const SongPtr &entry);
    // Shows the entry's song (found for it) as the row chosen, or tells that it is missing.
    void showEntry(int row, const SongPtr &entry, const SongPtr &song);
    // Makes the row's song the current song in the entry's key; a missing song is reported and leaves no
    // current song.
    bool shouldSelectRow(int row);
    bool holdsCurrentSong(int row) const;
    // The row's entry resolves to the current song; a note to the current note of the same text.
    bool showsCurrentSong(int row) const;
    int rowOfCurrentSong() const;
    void rememberShownRow(int row);
    int rowAfterQuestion(int row, const SongPtr &entry) const;
    void fillMenusForEntry(const SongPtr &entry, const SongPtr &song);
    void showInEntryKey(const SongPtr &entry, const SongPtr &song);

    // Saves the current playlist after an edit and shows it again.
    void playListChanged();
    // Sorts or shuffles the current playlist, then saves it.
    void reorder(const std::function<void(PlayList &)> &order);
    // The text typed into a prompt of this title, starting with text; nullopt when cancelled.
    std::optional<QString> askForText(const QString &title, const QString &text = QString());
    void tagSwitched(const QString &tag, bool switchedOn);

    Dialogs &m_dialogs;
    SelectionVeto m_veto;
    QComboBox *m_playlistsPopupButton = nullptr;
    QToolButton *m_commandsButton = nullptr;
    SongTableView *m_songsTable = nullptr;
    PlayListTableModel *m_model = nullptr;
    SongContextMenus *m_menus = nullptr;
    QAction *m_revertSortMenuItem = nullptr;
    QAction *m_sortPlaylistsMenuItem = nullptr;
    std::shared_ptr<PlayList> m_currentPlayList;
    PlayList::RandomBelow m_randomBelow;
    // The row whose song this pane made current (or found current), and its entry; -1 and null when none.
    // Reading the playlist again makes new entries: the row is found again by its position and the entry's
    // reference and key.
    int m_shownRow = -1;
    SongPtr m_shownEntry;
    // The entry chosen while the library loads, shown once the songs are read unless another is chosen meanwhile.
    SongPtr m_entryAwaitingLibrary;
};
