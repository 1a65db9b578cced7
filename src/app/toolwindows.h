// The tool windows, as the application delegate sees them. They live in a higher layer, so main() hands the
// delegate an object that makes them; without one the commands that open them do nothing.
#pragma once

#include <QList>

class Chord;
class QRect;
class QString;
class QWidget;

class ToolWindows
{
public:
    virtual ~ToolWindows() = default;
    // Opens a new preferences window over the main window (its parent); one already open ends first, as its
    // Cancel would.
    virtual void showPreferences(QWidget *parent) = 0;
    // Opens a new chord library window over the main window (its parent); one already open closes first.
    virtual void showChords(QWidget *parent) = 0;
    // The song pane's chord diagram window, made once and reused, shows the fingerings of the chord name (as
    // looked up, not as displayed) next to the rectangle (global coordinates).
    virtual void openChordWindow(const QString &name, const QList<Chord> &chords, const QRect &globalRect) = 0;
    // The chord editor for a new chord titled with the name.
    virtual void addChordToLibrary(const QString &name) = 0;
};
