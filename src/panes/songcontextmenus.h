// The song tables' context menu, shared by the list panes: the add-to-playlist and tags submenus with check
// marks for one song, and the commands on the selected songs that go with them.
#pragma once

#include "song.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class Dialogs;
class QAction;
class QMenu;
class QWidget;

class SongContextMenus : public QObject
{
    Q_OBJECT

public:
    // What the menus ask of their pane.
    struct Hooks
    {
        // The songs of the pane's selected rows, in row order.
        std::function<QList<SongPtr>()> selectedSongs;
        // After a tag was switched on or off for these songs (the selection when the command came): the pane's
        // own steps (the library and the pane's rows read again).
        std::function<void(const QString &tag, bool switchedOn, const QList<SongPtr> &songs)> tagSwitched;
        // The songs the tag commands act on, New Tag included, when they are not the selected songs themselves
        // (a playlist's entries are no song files). Unset: the tags go to the selected songs, a new tag to the
        // current song.
        std::function<QList<SongPtr>()> songsToTag = {};
        // The text Copy as Text puts on the clipboard, given whether the time is shown. Unset: textForSongs of
        // the selected songs.
        std::function<QString(bool withTime)> selectionText = {};
    };

    // Builds the menu "Add to Playlist" ▸, "Tags" ▸, "Copy as Text", "Show in File Manager"; the pane adds its
    // own items below. Questions go through dialogs; parent owns the menus.
    SongContextMenus(Dialogs &dialogs, Hooks hooks, QWidget *parent);

    QMenu *contextMenu() const { return m_contextMenu; }
    QMenu *addToPlaylistMenu() const { return m_addToPlaylistMenu; }
    QMenu *tagsMenu() const { return m_tagsMenu; }
    // The context menu's item holding the tags submenu.
    QAction *tagsMenuItem() const { return m_tagsMenuItem; }

    // Rebuilds the add-to-playlist submenu: every playlist, checked when it holds the song (none without one),
    // then "New Playlist…".
    void fillPlaylistPopupMenuForSong(const Song *song);
    // Rebuilds the tags submenu: every tag of the library by name, checked when the song carries it, then
    // "New Tag…".
    void fillTagsPopupMenuForSong(const Song *song);
    // Both submenus, as a pane does whenever a row's song becomes current.
    void fillForSong(const Song *song);

    // --- Commands ---
    // Appends the selected songs to the playlist at this index and saves it.
    void playlistSelected(int index);
    // Asks for a title; the selected songs go into the playlist of that title, made when there is none.
    void newPlaylist();
    // Switches the tag off for the selected songs when the current song carries it, else on.
    void tagSelected(const QString &tag);
    // Asks for a tag name and gives it to the songs to tag that lack it.
    void newTag();
    // The selected songs as lines of text on the clipboard.
    void copyAsText();
    // Opens the folder holding the current song's file in the file manager.
    void showInFinder();

    // --- Rules ---
    // Gives the tag to the songs that can carry it and lack it (on), or takes it from those that carry it; the
    // others stay untouched. The current song's file changes through the current song itself.
    static void setTag(const QList<SongPtr> &songs, const QString &tag, bool on);
    // One line per song: "title - subtitle", " [key]" as written in the song when it has one, and " m:ss" when
    // withTime and its playing time is not 0.
    static QString textForSongs(const QList<SongPtr> &songs, bool withTime);
    // The tag names sorted alphabetically, ignoring case.
    static QStringList sortedTagNames(const QMap<QString, QList<SongPtr>> &songsByTag);
    // The typed name as it reads back from a song file: braces and line breaks replaced, without surrounding
    // blanks; nullopt when nothing is left.
    static std::optional<QString> tagFromTypedName(const QString &typed);
    // A song whose file can carry tags: a text song with a file, neither a PDF song nor a playlist note.
    static bool canCarryTags(const Song &song);

private:
    QList<SongPtr> songsToTag() const;
    // The songs a new tag goes to: those to tag that can carry tags.
    QList<SongPtr> songsForNewTag() const;
    // The name typed into a prompt of this title; nullopt when cancelled.
    std::optional<QString> askForName(const QString &title);

    Dialogs &m_dialogs;
    Hooks m_hooks;
    QMenu *m_contextMenu = nullptr;
    QMenu *m_addToPlaylistMenu = nullptr;
    QMenu *m_tagsMenu = nullptr;
    QAction *m_tagsMenuItem = nullptr;
};
