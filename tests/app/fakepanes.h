// Panes that record what the application asks of them, in one shared list, so the order of calls can be checked.
#pragma once

#include "panecontrollers.h"
#include "vellorinwindowlayout.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

struct PaneCalls
{
    QStringList calls;
    int count(const QString &call) const { return int(calls.count(call)); }
};

class FakeSongListPane : public SongListPane
{
public:
    explicit FakeSongListPane(PaneCalls &log)
        : m_log(log)
    {}
    ~FakeSongListPane() override { delete view; }
    void refresh() override { m_log.calls.append(QStringLiteral("songList.refresh")); }
    void selectSongDir() override { m_log.calls.append(QStringLiteral("songList.selectSongDir")); }
    void selectCurrentSong() override { m_log.calls.append(QStringLiteral("songList.selectCurrentSong")); }
    QList<SongPtr> selectedSongs() const override { return selection; }
    SongPtr nextSong() const override { return next; }
    SongPtr prevSong() const override { return prev; }
    void deleteSelectedSongs() override { m_log.calls.append(QStringLiteral("songList.deleteSelectedSongs")); }
    void changeCategoryOfSelectedSongs() override
    {
        m_log.calls.append(QStringLiteral("songList.changeCategoryOfSelectedSongs"));
    }
    void focusSearchField() override { m_log.calls.append(QStringLiteral("songList.focusSearchField")); }
    void showLibrary() override { m_log.calls.append(QStringLiteral("songList.showLibrary")); }
    QWidget *widget() override { return view ? view.data() : (view = new QWidget).data(); }
    // The title column's share, written into a layout and taken from one.
    void saveLayout(VellorinWindowLayout &layout) const override { layout.setSonglistcol0(titleShare); }
    void loadLayout(const VellorinWindowLayout &layout) override { titleShare = layout.songlistcol0(); }

    double titleShare = 0.4;
    QList<SongPtr> selection;
    SongPtr next;
    SongPtr prev;

    // Owned by the window once placed there; made again for a window made after it.
    QPointer<QWidget> view = new QWidget;

private:
    PaneCalls &m_log;
};

class FakeSongEditPane : public SongEditPane
{
public:
    explicit FakeSongEditPane(PaneCalls &log)
        : m_log(log)
    {}
    ~FakeSongEditPane() override { delete view; }
    // A refresh here stands for the load of another song or of the song just saved: nothing is unsaved
    // afterwards. (The real editor keeps the edits of the song it shows while that song is not stored.)
    void refresh() override
    {
        m_log.calls.append(QStringLiteral("songEdit.refresh"));
        dirty = false;
    }
    bool isDirty() override { return dirty; }
    void updateFromCurrentSong() override
    {
        m_log.calls.append(QStringLiteral("songEdit.updateFromCurrentSong"));
        dirty = false;
    }
    void discardEdits() override
    {
        m_log.calls.append(QStringLiteral("songEdit.discardEdits"));
        dirty = false;
    }
    void insertFileLink(const QString &path) override { fileLinks.append(path); }
    QWidget *widget() override { return view ? view.data() : (view = new QWidget).data(); }
    bool textHasFocus() const override { return focused; }
    void focusTextAt(qsizetype position) override
    {
        focused = true;
        caret = position;
    }
    void performSyntaxColoring() override { m_log.calls.append(QStringLiteral("songEdit.performSyntaxColoring")); }
    void insertChordproControl(const QString &text) override { inserted.append(text); }
    void convertTabToChordpro() override { m_log.calls.append(QStringLiteral("songEdit.convertTabToChordpro")); }
    void showFindBar() override { m_log.calls.append(QStringLiteral("songEdit.showFindBar")); }

    bool dirty = false;
    QStringList fileLinks;
    bool focused = false;
    qsizetype caret = -1;
    QStringList inserted;
    // Owned by the window once placed there; made again for a window made after it.
    QPointer<QWidget> view = new QWidget;

private:
    PaneCalls &m_log;
};

class FakePlaylistsPane : public PlaylistsPane
{
public:
    explicit FakePlaylistsPane(PaneCalls &log)
        : m_log(log)
    {}
    ~FakePlaylistsPane() override { delete view; }
    void refresh() override { m_log.calls.append(QStringLiteral("playlists.refresh")); }
    SongPtr selectedEntry() const override { return entry; }
    QList<SongPtr> selectedSongs() const override { return selection; }
    QList<SongPtr> selectedRealSongs() const override { return realSelection; }
    std::shared_ptr<PlayList> currentPlayList() const override { return playlist; }
    SongPtr nextSong() const override { return next; }
    SongPtr prevSong() const override { return prev; }
    bool hasEntryNextToSelection(int offset) const override { return (offset > 0 ? next : prev) != nullptr; }
    SongPtr stepToEntryNextToSelection(int offset) override { return offset > 0 ? next : prev; }
    QWidget *widget() override { return view ? view.data() : (view = new QWidget).data(); }
    void saveLayout(VellorinWindowLayout &) const override {}
    void loadLayout(const VellorinWindowLayout &) override {}

    SongPtr entry;
    QList<SongPtr> selection;
    QList<SongPtr> realSelection;
    std::shared_ptr<PlayList> playlist;
    SongPtr next;
    SongPtr prev;
    // Owned by the window once placed there; made again for a window made after it.
    QPointer<QWidget> view = new QWidget;

private:
    PaneCalls &m_log;
};

class FakeTagsPane : public TagsPane
{
public:
    explicit FakeTagsPane(PaneCalls &log)
        : m_log(log)
    {}
    ~FakeTagsPane() override { delete view; }
    void refresh() override { m_log.calls.append(QStringLiteral("tags.refresh")); }
    QList<SongPtr> selectedSongs() const override { return selection; }
    SongPtr nextSong() const override { return next; }
    SongPtr prevSong() const override { return prev; }
    QWidget *widget() override { return view ? view.data() : (view = new QWidget).data(); }
    void saveLayout(VellorinWindowLayout &) const override {}
    void loadLayout(const VellorinWindowLayout &) override {}

    QList<SongPtr> selection;
    SongPtr next;
    SongPtr prev;
    // Owned by the window once placed there; made again for a window made after it.
    QPointer<QWidget> view = new QWidget;

private:
    PaneCalls &m_log;
};

// The four recording panes with their shared call list, as the application gets them at launch.
struct FakePaneSet
{
    PaneControllers controllers() { return {&songList, &songEdit, &playlistsPane, &tags}; }

    PaneCalls calls;
    FakeSongListPane songList{calls};
    FakeSongEditPane songEdit{calls};
    FakePlaylistsPane playlistsPane{calls};
    FakeTagsPane tags{calls};
};
