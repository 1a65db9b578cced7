// The tool windows of the running application, made when the delegate's commands and the song pane ask for them.
#pragma once

#include "chordwindows.h"
#include "toolwindows.h"

class Dialogs;

class WindowSet : public ToolWindows
{
public:
    explicit WindowSet(Dialogs &dialogs);

    void showPreferences(QWidget *parent) override;
    void showChords(QWidget *parent) override;
    void openChordWindow(const QString &name, const QList<Chord> &chords, const QRect &globalRect) override;
    void addChordToLibrary(const QString &name) override;

    ChordWindows &chordWindows() { return m_chordWindows; }

private:
    ChordWindows m_chordWindows;
};
