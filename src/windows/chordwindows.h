// The chord windows of the running application: the chord library window (the latest one), the song pane's
// chord diagram window, and the chord editor for a chord the song uses but the library lacks. The windows reach
// the application's song and panes through it.
#pragma once

#include "chordwindowshost.h"

#include <QList>
#include <QPointer>

#include <memory>

class Chord;
class ChordListViewController;
class ChordViewControllerWindowController;
class QRect;
class QString;

class ChordWindows : public ChordWindowsHost
{
public:
    explicit ChordWindows(Dialogs &dialogs);
    ~ChordWindows() override;

    // A new chord library window over the parent; one already open closes first.
    void showChords(QWidget *parent);
    // The song pane's diagram window, made on first use, shows the name's fingerings next to the rectangle.
    void openChordWindow(const QString &name, const QList<Chord> &chords, const QRect &globalRect);
    // The chord editor for a new chord titled with the name; the song pane shows the chord once it is added.
    void addChordToLibrary(const QString &name);
    // The latest chord library window; nullptr before the first.
    ChordListViewController *chordsController() const;

    std::shared_ptr<Song> currentSong() const override;
    bool isNormalSong() const override;
    void saveOrUpdateCurrentSong() override;
    void refreshSongView() override;
    void refreshEditor() override;
    void refreshAfterInstrumentChange() override;
    void refreshChordLibrary() override;
    Dialogs &dialogs() override { return m_dialogs; }
    void runChordEditor(ChordEditViewController &editor) override;
    QWidget *mainWindow() const override;

private:
    Dialogs &m_dialogs;
    // Children of the main window, which may delete them first when the application ends.
    QPointer<ChordListViewController> m_chordsController;
    QPointer<ChordViewControllerWindowController> m_songChordWindow;
};
