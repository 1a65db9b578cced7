// Records which tool windows the application or the song pane asks for, in order ("preferences", "chords",
// "chord window C 2 at 10,20 30x40", "add chord Xyz").
#pragma once

#include "chord.h"
#include "toolwindows.h"

#include <QRect>
#include <QStringList>

class RecordingToolWindows : public ToolWindows
{
public:
    void showPreferences(QWidget *) override { calls.append(QStringLiteral("preferences")); }
    void showChords(QWidget *) override { calls.append(QStringLiteral("chords")); }
    void openChordWindow(const QString &name, const QList<Chord> &chords, const QRect &globalRect) override
    {
        calls.append(QStringLiteral("chord window %1 %2 at %3,%4 %5x%6")
                         .arg(name)
                         .arg(chords.size())
                         .arg(globalRect.x())
                         .arg(globalRect.y())
                         .arg(globalRect.width())
                         .arg(globalRect.height()));
    }
    void addChordToLibrary(const QString &name) override { calls.append(QStringLiteral("add chord ") + name); }

    QStringList calls;
};
