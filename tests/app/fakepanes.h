// Panes that record what the application asks of them, in one shared list, so the order of calls can be checked.
#pragma once

#include "panecontrollers.h"

#include <QStringList>

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
    void refresh() override { m_log.calls.append(QStringLiteral("songList.refresh")); }
    void selectSongDir() override { m_log.calls.append(QStringLiteral("songList.selectSongDir")); }

private:
    PaneCalls &m_log;
};

class FakeSongEditPane : public SongEditPane
{
public:
    explicit FakeSongEditPane(PaneCalls &log)
        : m_log(log)
    {}
    // A refresh shows the current song's text: nothing is unsaved afterwards.
    void refresh() override
    {
        m_log.calls.append(QStringLiteral("songEdit.refresh"));
        dirty = false;
    }
    bool isDirty() const override { return dirty; }
    void updateFromCurrentSong() override
    {
        m_log.calls.append(QStringLiteral("songEdit.updateFromCurrentSong"));
        dirty = false;
    }

    bool dirty = false;

private:
    PaneCalls &m_log;
};

class FakePlaylistsPane : public PlaylistsPane
{
public:
    explicit FakePlaylistsPane(PaneCalls &log)
        : m_log(log)
    {}
    void refresh() override { m_log.calls.append(QStringLiteral("playlists.refresh")); }
    SongPtr currentSong() const override { return entry; }

    SongPtr entry;

private:
    PaneCalls &m_log;
};

class FakeTagsPane : public TagsPane
{
public:
    explicit FakeTagsPane(PaneCalls &log)
        : m_log(log)
    {}
    void refresh() override { m_log.calls.append(QStringLiteral("tags.refresh")); }

private:
    PaneCalls &m_log;
};
