// The panes beside the song pane, as the application delegate sees them: the song list, the editor, the
// playlists and the tags. Whoever builds them hands them to the delegate; a pane that is absent is skipped.
#pragma once

#include "song.h"

#include <functional>

class MainWindow;

class SongListPane
{
public:
    virtual ~SongListPane() = default;
    virtual void refresh() = 0;
    // Asks the user for the song folder.
    virtual void selectSongDir() = 0;
};

class SongEditPane
{
public:
    virtual ~SongEditPane() = default;
    // Shows the current song's text.
    virtual void refresh() = 0;
    // The editor holds changes that are not saved yet.
    virtual bool isDirty() const = 0;
    // Takes the current song's text again after the program changed it.
    virtual void updateFromCurrentSong() = 0;
};

class PlaylistsPane
{
public:
    virtual ~PlaylistsPane() = default;
    virtual void refresh() = 0;
    // The entry selected in the playlist; null when none is.
    virtual SongPtr currentSong() const = 0;
};

class TagsPane
{
public:
    virtual ~TagsPane() = default;
    virtual void refresh() = 0;
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
