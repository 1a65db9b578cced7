// What the chord windows ask of the application: the current song, the panes to refresh, the questions to the
// user and the way the chord editor runs. The application answers with its own objects; tests with a fake.
#pragma once

#include <memory>

class ChordEditViewController;
class Dialogs;
class QWidget;
class Song;

class ChordWindowsHost
{
public:
    virtual ~ChordWindowsHost() = default;

    // The song shown; nullptr when none.
    virtual std::shared_ptr<Song> currentSong() const = 0;
    // The song shown is a text song (neither a PDF nor a playlist note).
    virtual bool isNormalSong() const = 0;
    // Merges the editor's pending changes into the current song before the song is changed.
    virtual void saveOrUpdateCurrentSong() = 0;
    // The song pane, after the song's chords or the chord library changed.
    virtual void refreshSongView() = 0;
    // The editor pane, after the song's file changed.
    virtual void refreshEditor() = 0;
    // The song list pane and the song pane, after the instrument or its tuning changed.
    virtual void refreshAfterInstrumentChange() = 0;
    // The chord library window, when one is open.
    virtual void refreshChordLibrary() = 0;
    virtual Dialogs &dialogs() = 0;
    // Runs the editor until it closes: modally in the application.
    virtual void runChordEditor(ChordEditViewController &editor) = 0;
    // The window the chord windows belong to; nullptr when none.
    virtual QWidget *mainWindow() const = 0;
};
