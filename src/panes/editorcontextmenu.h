// The rows the editor puts into the platform's context menu of its text, in their order, at the menu's first
// separator: the platform's items before it stay on top, the others follow the editor's rows.
#pragma once

#include "midievent.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;

class EditorContextMenu
{
    Q_DECLARE_TR_FUNCTIONS(EditorContextMenu)

public:
    struct Inputs
    {
        // The chord names of the text, in the order offered.
        QStringList chordNames;
        // The main menu's Chordpro insert submenu; its rows are left out without it.
        const QMenu *chordproMenu = nullptr;
        // The MIDI row is shown while the setting is on, listing the events received lately.
        bool midi = false;
        QList<MidiEvent> midiEvents;
        // The first language the user prefers ("de-DE" ...): German speakers get the umlaut row.
        QString language;
        bool syncViewWithEditor = false;
        bool allowAutoCorrectInEditor = false;
    };

    // Inserts the rows. Each row that runs an editor command carries the command's name as its object name
    // ("insertChord", "copyChords" ...); a chord or MIDI row holds the text to insert in data(). A Chordpro row
    // triggers the main menu's item it copies. Answers the command rows, in order.
    static QList<QAction *> insertRows(QMenu &menu, const Inputs &inputs);

private:
    // Rows go into the menu before that item; at its end when it is null.
    EditorContextMenu(QMenu &menu, QAction *before);

    void separator();
    QMenu *submenu(const QString &title);
    // A command row, in the menu or in a submenu of it.
    QAction *command(const QString &title, const char *name, QMenu *in = nullptr);
    QAction *toggle(const QString &title, const char *name, bool on);

    QMenu &m_menu;
    QAction *m_before;
    QList<QAction *> m_commands;
};
