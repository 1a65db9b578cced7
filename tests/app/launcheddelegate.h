// A fixture for the delegate's commands: launched on a temporary song folder, with recording panes and scripted
// dialogs.
#pragma once

#include "fakepanes.h"
#include "mainwindow.h"
#include "paths.h"
#include "prefs.h"
#include "scripteddialogs.h"
#include "testfiles.h"
#include "userdefaults.h"
#include "vellorinappdelegate.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class LaunchedDelegateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(Paths::supportDirectory()).removeRecursively();
        // A song is there before the launch, so the library makes no sample song.
        TestFiles::write(path(QStringLiteral("Rock/first.pro")), "{title: First}\n[G]la");
    }

    // Launches on the song folder; prepare() may change the settings or the delays before the launch.
    void launch(const std::function<void(VellorinAppDelegate &)> &prepare = {})
    {
        UserDefaults::setValue(QStringLiteral("songDirSecurityBookmark"), root());
        delegate = std::make_unique<VellorinAppDelegate>(dialogs, [this](MainWindow &) {
            return PaneControllers{&songList, &songEdit, &playlistsPane, &tags};
        });
        if (prepare)
            prepare(*delegate);
        delegate->applicationDidFinishLaunching();
        calls.calls.clear();
    }

    QString root() const { return QFileInfo(folder.path()).absoluteFilePath(); }
    QString path(const QString &relative) const { return QDir(root()).filePath(relative); }

    SongPtr writeSong(const QString &relative, const QByteArray &text)
    {
        return std::make_shared<Song>(TestFiles::write(path(relative), text));
    }

    PaneCalls calls;
    FakeSongListPane songList{calls};
    FakeSongEditPane songEdit{calls};
    FakePlaylistsPane playlistsPane{calls};
    FakeTagsPane tags{calls};
    ScriptedDialogs dialogs;
    QTemporaryDir folder;
    std::unique_ptr<VellorinAppDelegate> delegate;
};
