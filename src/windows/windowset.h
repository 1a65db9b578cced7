// The tool windows of the running application, made when the delegate's commands and the song pane ask for them.
#pragma once

#include "chordwindows.h"
#include "preferencescontroller.h"
#include "toolwindows.h"

#include <QPointer>

class Dialogs;

class WindowSet : public ToolWindows
{
public:
    explicit WindowSet(Dialogs &dialogs);
    ~WindowSet() override;

    void showPreferences(QWidget *parent) override;
    void showChords(QWidget *parent) override;
    void openChordWindow(const QString &name, const QList<Chord> &chords, const QRect &globalRect) override;
    void addChordToLibrary(const QString &name) override;

    ChordWindows &chordWindows() { return m_chordWindows; }
    // The latest preferences window; nullptr before the first opening (or once its parent took it away).
    PreferencesController *preferencesController() const { return m_preferencesController; }

private:
    Dialogs &m_dialogs;
    ChordWindows m_chordWindows;
    // A child of the main window, which may delete it first when the application ends.
    QPointer<PreferencesController> m_preferencesController;
};
