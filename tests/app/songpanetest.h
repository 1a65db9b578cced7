// The song pane with a recording song display and the settings of a temporary folder, for the pane's tests.
#pragma once

#include "recordingtoolwindows.h"
#include "chorddatabasefixture.h"
#include "chords.h"
#include "fakeappcontext.h"
#include "paths.h"
#include "prefs.h"
#include "recordingsongdisplay.h"
#include "scripteddialogs.h"
#include "songpanecommands.h"
#include "songviewviewcontroller.h"
#include "textfile.h"

#include <QAbstractAnimation>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// The chord library is the one the settings hold at the moment, as in the application.
class PrefsChordsContext : public FakeAppContext
{
public:
    Chords *chords() override { return prefsObject ? prefsObject->chords() : nullptr; }
};

// Records what the pane asks of the application, in order ("capo 2", "save", "time 200", "metronome 96", "key D",
// "peers -1").
class RecordingSongPaneCommands : public SongPaneCommands
{
public:
    void setCapo(qint64 capo) override { calls.append(QStringLiteral("capo %1").arg(capo)); }
    void transposeSave() override { calls.append(QStringLiteral("save")); }
    void saveAutoScrollTime(int seconds) override { calls.append(QStringLiteral("time %1").arg(seconds)); }
    void saveMetronomeTempo(int tempo) override { calls.append(QStringLiteral("metronome %1").arg(tempo)); }
    void updatePlaylistKey(const QString &key) override { calls.append(QStringLiteral("key ") + key); }
    void notifyPeersTransposeSong(const Song &, int transpose) override
    {
        calls.append(QStringLiteral("peers %1").arg(transpose));
    }

    QStringList calls;
};

class SongPaneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Each test starts without a settings archive of an earlier one.
        QDir(Paths::supportDirectory()).removeRecursively();
        writeChordDatabase(databases.path(), QStringLiteral("Guitar"), {{"C", {15, 3, 2, 0, 1, 0}}});
        writeChordDatabase(databases.path(), QStringLiteral("Piano"), {{"C", {0, 4, 7, 15, 15, 15}}});
        prefs = Prefs::initFromFileSystem(databases.path());
        prefs->setSongDirectoryPath(songFolder.path());
        context.prefsObject = prefs.get();
        auto recording = std::make_unique<RecordingSongDisplay>();
        display = recording.get();
        pane = std::make_unique<SongViewViewController>(
            dialogs, [this] { return current; }, std::move(recording));
        pane->setCommands(&commands);
        pane->setToolWindows(&toolWindows);
        pane->resize(800, 600);
        pane->show();
    }

    SongPtr writeSong(const QString &name, const QString &text)
    {
        const QString path = songFolder.filePath(name);
        EXPECT_TRUE(TextFile::write(path, text));
        return std::make_shared<Song>(path);
    }

    void show(const SongPtr &song)
    {
        current = song;
        pane->refresh();
    }

    static void waitForSlides(QWidget &pane)
    {
        EXPECT_TRUE(QTest::qWaitFor([&pane] { return pane.findChildren<QAbstractAnimation *>().isEmpty(); }, 3000));
    }

    static void waitUntilReady(Chords *chords)
    {
        ASSERT_NE(chords, nullptr);
        QSignalSpy ready(chords, &Chords::ready);
        if (!chords->isReady()) {
            ASSERT_TRUE(ready.wait(10000));
        }
    }

    PrefsChordsContext context;
    QTemporaryDir databases;
    QTemporaryDir songFolder;
    std::unique_ptr<Prefs> prefs;
    ScriptedDialogs dialogs;
    RecordingSongPaneCommands commands;
    RecordingToolWindows toolWindows;
    SongPtr current;
    RecordingSongDisplay *display = nullptr;
    std::unique_ptr<SongViewViewController> pane;
};
