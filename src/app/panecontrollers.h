// The panes beside the song pane, as the application delegate sees them: the song list, the editor, the
// playlists and the tags. Whoever builds them hands them to the delegate; a pane that is absent is skipped.
#pragma once

#include "song.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class MainWindow;
class PlayList;
class QWidget;
class VellorinWindowLayout;

// What the window asks of each list pane: its view, and its column widths in a window layout.
class ListPane
{
public:
    virtual ~ListPane() = default;
    virtual void refresh() = 0;
    // The pane's view, placed into the window's list slot.
    virtual QWidget *widget() = 0;
    // The song of the row after / before the selected one; null at the end of the list or without a selection.
    // In a playlist, the library's song of the entry (the note itself for a note), null for a missing song.
    virtual SongPtr nextSong() const = 0;
    virtual SongPtr prevSong() const = 0;
    virtual void saveLayout(VellorinWindowLayout &layout) const = 0;
    virtual void loadLayout(const VellorinWindowLayout &layout) = 0;
};

class SongListPane : public ListPane
{
public:
    // Asks the user for the song folder.
    virtual void selectSongDir() = 0;
    // Selects the current song's row, or none when the list does not hold it.
    virtual void selectCurrentSong() = 0;
    // The songs of the selected rows, in row order.
    virtual QList<SongPtr> selectedSongs() const = 0;
    // Moves the selected songs to the trash, after asking.
    virtual void deleteSelectedSongs() = 0;
    // Files the selected songs into a category the user names.
    virtual void changeCategoryOfSelectedSongs() = 0;
    // The search field takes the keyboard, its text selected.
    virtual void focusSearchField() = 0;
    // Shows what the library holds without reading it again, for callers that have just read it.
    virtual void showLibrary() = 0;
};

class SongEditPane
{
public:
    virtual ~SongEditPane() = default;
    // Shows the current song's text.
    virtual void refresh() = 0;
    // The editor's view, placed into the window's editor slot.
    virtual QWidget *widget() = 0;
    // The editor holds changes that are not saved yet. Typing that waits to be taken is taken first, so edits
    // of the last moment always count.
    virtual bool isDirty() = 0;
    // Takes the current song's text again after the program changed it.
    virtual void updateFromCurrentSong() = 0;
    // Drops the edits: the song and the editor hold the text as it was loaded.
    virtual void discardEdits() = 0;
    // Puts a link to the file into the song text.
    virtual void insertFileLink(const QString &path) = 0;
    // The editor's text is the widget with the keyboard focus in its window.
    virtual bool textHasFocus() const = 0;
    // The editor's text takes the keyboard focus, the caret at this index of the text (at its end when the text
    // is shorter) and nothing selected.
    virtual void focusTextAt(qsizetype position) = 0;
    // Colours the text again, after its font or the settings changed.
    virtual void performSyntaxColoring() = 0;
    // Inserts a template at the caret; "X" in it stands for the selected text.
    virtual void insertChordproControl(const QString &text) = 0;
    // Tab lines (chords over lyrics) of the selection, or of the whole text, become chord-sheet text.
    virtual void convertTabToChordpro() = 0;
    // Opens the find bar over the text.
    virtual void showFindBar() = 0;
};

class PlaylistsPane : public ListPane
{
public:
    // The playlist entry of the selected row, as the playlist holds it (not the library's song); null when no row
    // is selected. Not the application's current song, which is the library's song for it.
    virtual SongPtr selectedEntry() const = 0;
    // The playlist shown; null when none is.
    virtual std::shared_ptr<PlayList> currentPlayList() const = 0;
    // Next and Previous Song step through every entry: the row offset rows from the selection (1: after the last
    // selected row, -1: before the first) holds an entry, a note or a missing song too. False without a selection.
    virtual bool hasEntryNextToSelection(int offset) const = 0;
    // Steps to that entry: its row is the one the next refresh selects, even where another row shows the same
    // song; answers the song to show (null for a missing song, or when there is no such row).
    virtual SongPtr stepToEntryNextToSelection(int offset) = 0;
    // The entries of the selected rows, in row order, each with the key the playlist gives it.
    virtual QList<SongPtr> selectedSongs() const = 0;
    // The library's songs for the selected entries, in row order; entries whose song is missing are left out.
    virtual QList<SongPtr> selectedRealSongs() const = 0;
};

class TagsPane : public ListPane
{
public:
    // The songs of the selected rows, in row order.
    virtual QList<SongPtr> selectedSongs() const = 0;
};

// The panes, not owned: they live in the main window (or in a test).
struct PaneControllers
{
    SongListPane *songList = nullptr;
    SongEditPane *songEdit = nullptr;
    PlaylistsPane *playlists = nullptr;
    TagsPane *tags = nullptr;
};

// Makes the panes for the main window at launch, in the order song list, editor, playlists, tags.
using PaneMaker = std::function<PaneControllers(MainWindow &window)>;
