// The application delegate under test: recording panes, scripted dialogs and a song folder of its own.
#pragma once

#include "fakepanes.h"
#include "libraryload.h"
#include "paths.h"
#include "scripteddialogs.h"
#include "textfile.h"
#include "userdefaults.h"
#include "vellorinappdelegate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

inline const QString songDirKey = QStringLiteral("songDirSecurityBookmark");

class AppDelegateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(Paths::supportDirectory()).removeRecursively();
        UserDefaults::remove(songDirKey);
        UserDefaults::remove(VellorinAppDelegate::currentSongPathKey);
        // Each test's window opens at the default size, wherever an earlier test's window was closed.
        UserDefaults::remove(QStringLiteral("mainWindow.geometry"));
        UserDefaults::remove(QStringLiteral("mainWindow.maximized"));
    }

    void makeDelegate()
    {
        delegate = std::make_unique<VellorinAppDelegate>(dialogs, [this](MainWindow &) {
            return PaneControllers{&songList, &songEdit, &playlistsPane, &tags};
        });
    }

    void launch(const QString &storedFolder = QString())
    {
        if (!storedFolder.isEmpty())
            UserDefaults::setValue(songDirKey, storedFolder);
        makeDelegate();
        delegate->applicationDidFinishLaunching();
        EXPECT_TRUE(waitForLibrary(*delegate->songs()));
    }

    SongPtr writeSong(const QString &name, const QString &text)
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        EXPECT_TRUE(TextFile::write(path, text));
        return std::make_shared<Song>(path);
    }

    static QString fileText(const QString &path)
    {
        return TextFile::read(path, TextFile::LastResort::Latin1).value_or(QString());
    }
    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The current song with text typed into the editor and not saved yet.
    SongPtr showEditedSong(const QString &name, const QString &onDisk, const QString &typed)
    {
        const SongPtr song = writeSong(name, onDisk);
        delegate->setCurrentSong(song);
        song->setText(typed);
        songEdit.dirty = true;
        calls.calls.clear();
        return song;
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
