// The application as the chord windows see it, for tests: counts the refreshes, answers questions from a script
// and runs the chord editor with the test's own hand instead of a modal loop.
#pragma once

#include "chordwindowshost.h"
#include "scripteddialogs.h"

#include <functional>

class FakeChordWindowsHost : public ChordWindowsHost
{
public:
    std::shared_ptr<Song> currentSong() const override { return song; }
    bool isNormalSong() const override { return normalSong; }
    void saveOrUpdateCurrentSong() override { ++songUpdates; }
    void refreshSongView() override { ++songViewRefreshes; }
    void refreshEditor() override { ++editorRefreshes; }
    void refreshAfterInstrumentChange() override { ++instrumentRefreshes; }
    void refreshChordLibrary() override { ++libraryRefreshes; }
    Dialogs &dialogs() override { return scripted; }
    void runChordEditor(ChordEditViewController &editor) override
    {
        ++editorRuns;
        if (editorHand)
            editorHand(editor);
    }
    QWidget *mainWindow() const override { return nullptr; }

    std::shared_ptr<Song> song;
    bool normalSong = true;
    int songUpdates = 0;
    int songViewRefreshes = 0;
    int editorRefreshes = 0;
    int instrumentRefreshes = 0;
    int libraryRefreshes = 0;
    int editorRuns = 0;
    // What the user does in the editor while it runs; nothing leaves it as it opened (a cancel).
    std::function<void(ChordEditViewController &)> editorHand;
    ScriptedDialogs scripted;
};
